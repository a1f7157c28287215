#include "ScriptTestSupport.h"

#include "report/script/VariantOperators.h"

#include "common/Exception.h"

namespace {
template <typename F> QString errorOf(F&& f)
{
    try {
        f();
    } catch (const Exception& error) {
        return error.message();
    }
    return QString();
}
} // namespace

TEST(ScriptVariant, ConvertsWithTheLocaleAndRaisesForMeaninglessValues)
{
    EXPECT_EQ(TfsVariant(QStringLiteral("2,5")).ToDouble(), 2.5);
    EXPECT_EQ(TfsVariant(2.5).ToString(), QStringLiteral("2,5"));
    EXPECT_EQ(TfsVariant(2.5).ToInt64(), 2); // halves to even
    EXPECT_EQ(TfsVariant(3.5).ToInt64(), 4);
    EXPECT_EQ(TfsVariant(QStringLiteral("$10")).ToInt64(), 16);
    EXPECT_EQ(TfsVariant(true).ToInt64(), -1);
    EXPECT_EQ(TfsVariant(true).ToString(), QStringLiteral("True"));
    EXPECT_TRUE(TfsVariant(QStringLiteral("TRUE")).ToBoolean());
    EXPECT_EQ(TfsVariant().ToString(), QString());
    EXPECT_EQ(TfsVariant().ToInt64(), 0);
    EXPECT_EQ(VarToStr(TfsVariant::Null()), QString());

    EXPECT_EQ(errorOf([] { TfsVariant::Null().ToInt64(); }),
              QStringLiteral("Could not convert variant of type (Null) into type (Integer)"));
    EXPECT_EQ(errorOf([] { TfsVariant(QStringLiteral("x")).ToDate(); }),
              QStringLiteral("Could not convert variant of type (String) into type (Date)"));
    EXPECT_EQ(errorOf([] { TfsVariant(1e300).ToInt64(); }),
              QStringLiteral("Could not convert variant of type (Double) into type (Int64)"));
    EXPECT_EQ(errorOf([] { TfsVariant(QStringLiteral("ja")).ToBoolean(); }),
              QStringLiteral("Could not convert variant of type (String) into type (Boolean)"));
}

TEST(ScriptVariant, IntegersWiderThan32BitsAreInt64)
{
    EXPECT_EQ(TfsVariant(2147483647).GetVarType(), varInteger);
    EXPECT_EQ(TfsVariant(int64_t{2147483648}).GetVarType(), varInt64);
    EXPECT_EQ(TfsVariant(int64_t{2147483648}).GetTypeName(), QStringLiteral("Int64"));
}

TEST(ScriptVariant, ArraysAreValuesCopiedOnChange)
{
    TfsVariant first = TfsVariant::FromArray(std::make_shared<TfsVariantArray>());
    first.MutableArray().items.push_back(1);
    TfsVariant second = first;
    second.MutableArray().items[0] = 2;
    EXPECT_EQ(first.ToArray().items[0], TfsVariant(1));
    EXPECT_EQ(second.ToArray().items[0], TfsVariant(2));
}

TEST(ScriptVariant, OrderingOfStringsIsTheLocalesAndEqualityExact)
{
    EXPECT_LT(variantCompare(QStringLiteral("а"), QStringLiteral("Б")), 0); // not by code points
    EXPECT_LT(variantCompare(QStringLiteral("е"), QStringLiteral("ж")), 0);
    EXPECT_FALSE(variantEquals(QStringLiteral("a"), QStringLiteral("A")));
    EXPECT_TRUE(variantEquals(TfsVariant(), QString()));
}
