#include "report/model/MemoExpansion.h"
#include "report/model/TfrxReportScriptBinding.h"

#include "common/Exception.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"

#include <QDate>

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct ExpansionCase {
    const char* title;
    QString text;
    QString expanded;
    QString delimiters = QStringLiteral("[,]");
    bool allowExpressions = true;
    bool hideZeros = false;
};

void PrintTo(const ExpansionCase& testCase, std::ostream* out)
{
    *out << testCase.title;
}

class MemoExpansionFixture {
protected:
    MemoExpansionFixture()
    {
        memo.SetName(QStringLiteral("Memo_cat"));
        binding.PrepareScript();
    }

    QString expand(const QString& text)
    {
        memo.SetText(text);
        ExpandMemoExpressions(memo, binding);
        return memo.GetMemo().join(QLatin1String("\r\n"));
    }

    TfrxReport report;
    TfrxReportScriptBinding& binding = report.GetScript();
    TfrxMemoView memo;
};

class MemoExpansionTest : public MemoExpansionFixture, public ::testing::TestWithParam<ExpansionCase> {};

TEST_P(MemoExpansionTest, GivesTheExpandedText)
{
    const ExpansionCase& testCase = GetParam();
    memo.SetExpressionDelimiters(testCase.delimiters);
    memo.SetAllowExpressions(testCase.allowExpressions);
    memo.SetHideZeros(testCase.hideZeros);
    EXPECT_EQ(expand(testCase.text).toStdString(), testCase.expanded.toStdString());
    EXPECT_TRUE(report.GetErrors().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MemoExpansionTest,
    ::testing::Values(
        ExpansionCase{"NoBrackets", QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ"),
                      QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ")},
        ExpansionCase{"OpeningBracketEndsText", QStringLiteral("кат. ["), QStringLiteral("кат. [")},
        ExpansionCase{"ClosingBracketAlone", QStringLiteral("a ] b"), QStringLiteral("a ] b")},
        ExpansionCase{"Sum", QStringLiteral("[1+1]"), QStringLiteral("2")},
        ExpansionCase{"QuotedString", QStringLiteral("[ 'ab' ]"), QStringLiteral("ab")},
        ExpansionCase{"TwoExpressionsOnTwoLines", QStringLiteral("x[1]y\r\n[2*3]"),
                      QStringLiteral("x1y\r\n6")},
        ExpansionCase{"LongDelimiters", QStringLiteral("a<%1+2%>b"), QStringLiteral("a3b"),
                      QStringLiteral("<%,%>")},
        ExpansionCase{"ExpressionsOff", QStringLiteral("[1+1]"), QStringLiteral("[1+1]"),
                      QStringLiteral("[,]"), false},
        ExpansionCase{"InlineNumberWithPoint", QStringLiteral("[5 #n%2.2f]"), QStringLiteral("5.00")},
        ExpansionCase{"InlineNumberWithComma", QStringLiteral("[5 #n%2,2f]"), QStringLiteral("5,00")},
        ExpansionCase{"InlinePicture", QStringLiteral("[1234.5 #n0.00]"), QStringLiteral("1234.50")},
        ExpansionCase{"InlineBoolean", QStringLiteral("[1 = 1 #bнет,да]"), QStringLiteral("да")},
        ExpansionCase{"TotalPagesLeftForDrawing", QStringLiteral("из [TotalPages#]"),
                      QStringLiteral("из [TotalPages#]")},
        ExpansionCase{"CopyNameLeftForDrawing", QStringLiteral("[copyname#]"), QStringLiteral("[CopyName#]")},
        ExpansionCase{"HideZeros", QStringLiteral("<[2-2]>"), QStringLiteral("<>"), QStringLiteral("[,]"),
                      true, true},
        ExpansionCase{"HideZerosKeepsStrings", QStringLiteral("[IntToStr(0)]"), QStringLiteral("0"),
                      QStringLiteral("[,]"), true, true},
        ExpansionCase{"BracketsInsideQuotes", QStringLiteral("['[a]' + ']']"), QStringLiteral("[a]]")},
        ExpansionCase{"NestedBrackets", QStringLiteral("[IIF(2 in [1, 2], 'да', 'нет')]"),
                      QStringLiteral("да")},
        ExpansionCase{"ValueBracketsNotExpandedAgain", QStringLiteral("['[1+1]']"), QStringLiteral("[1+1]")}),
    [](const auto& info) { return std::string(info.param.title); });

class MemoExpansionErrorTest : public MemoExpansionFixture, public ::testing::Test {};

// An opening bracket without a closing one runs to the end: the expression is the rest minus its
// last character, here nothing, which does not compile.
TEST_F(MemoExpansionErrorTest, UnclosedBracketNamesTheMemo)
{
    const QString expected = QStringLiteral("Memo_cat: Error in expression '': Expression expected");
    try {
        expand(QStringLiteral("кат. [B"));
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.message().toStdString(), expected.toStdString());
    }
    EXPECT_EQ(report.GetErrors(), QStringList{expected});
    EXPECT_EQ(memo.GetText(), QStringLiteral("кат. [B\r\n"));
}

TEST_F(MemoExpansionErrorTest, UndeclaredNameNamesTheMemo)
{
    EXPECT_THROW(expand(QStringLiteral("[x]")), Exception);
    EXPECT_EQ(report.GetErrors(),
              QStringList{QStringLiteral("Memo_cat: Error in expression 'x': Undeclared identifier: 'x'")});
}

TEST_F(MemoExpansionErrorTest, InlineDateUsesTheRunsDate)
{
    EXPECT_EQ(expand(QStringLiteral("[Date #dd.mm.yyyy]")), QDate::currentDate().toString(u"dd.MM.yyyy"));
}

// The n-th expression takes the n-th format; the rest take the last one.
TEST_F(MemoExpansionErrorTest, ExpressionsTakeFormatsInOrder)
{
    memo.GetDisplayFormat()->SetKind(fkNumeric);
    memo.GetDisplayFormat()->SetFormatStr(QStringLiteral("%1.1f"));
    memo.GetDisplayFormat()->SetDecimalSeparator(QStringLiteral(","));
    TfrxFormat* second = memo.AddFormat();
    second->SetKind(fkNumeric);
    second->SetFormatStr(QStringLiteral("%3.3d"));
    EXPECT_EQ(expand(QStringLiteral("[1] [2] [3]")), QStringLiteral("1,0 002 003"));
    EXPECT_EQ(memo.GetValue().toInt(), 3);
}

TEST_F(MemoExpansionErrorTest, ReportVariablesAreReached)
{
    TfrxVariable* variable = report.GetVariables().Add();
    variable->SetName(QStringLiteral("Fio"));
    variable->SetValue(QStringLiteral("'Петров'"));
    EXPECT_EQ(expand(QStringLiteral("[fio]!")), QStringLiteral("Петров!"));
}

// Texts stay Unicode whatever the font's character set: a pass through an 8-bit code page would
// turn every character it lacks into "?".
TEST_F(MemoExpansionErrorTest, TheFontsCharacterSetLosesNoCharacters)
{
    for (int charset : {0, 1, 204}) {
        memo.GetFont()->SetCharset(charset);
        EXPECT_EQ(expand(QStringLiteral("['Ёлкин № 5 €' + ' ü']")), QStringLiteral("Ёлкин № 5 € ü"))
            << charset;
    }
}

TEST(FormatDataTest, FallsBackToPlainTextAndShowsBooleans)
{
    TfrxFormat date;
    date.SetKind(fkDateTime);
    date.SetFormatStr(QStringLiteral("dd.mm.yyyy"));
    EXPECT_EQ(FormatData(TfsVariant(QStringLiteral("нет даты")), date), QStringLiteral("нет даты"));
    EXPECT_EQ(FormatData(TfsVariant::Null(), date), QString());
    TfrxFormat boolean;
    boolean.SetKind(fkBoolean);
    boolean.SetFormatStr(QStringLiteral("Нет,Да"));
    EXPECT_EQ(FormatData(TfsVariant(true), boolean), QStringLiteral("Да"));
    EXPECT_EQ(FormatData(TfsVariant(false), boolean), QStringLiteral("Нет"));
}

TEST(ExtractMacrosTest, ReplacesDrawingTimeMacros)
{
    TfrxMemoView memo;
    memo.SetText(QStringLiteral("[totalpages#] из [TotalPages#], [CopyName#]"));
    TfrxVariable* copyName = frxGlobalVariables().Add();
    copyName->SetName(QStringLiteral("CopyName2"));
    copyName->SetValue(QStringLiteral("Копия"));
    ExtractMacros(memo, 7, 2);
    EXPECT_EQ(memo.GetText(), QStringLiteral("7 из 7, Копия\r\n"));
    frxGlobalVariables().Clear();
    memo.SetText(QStringLiteral("[CopyName#]"));
    ExtractMacros(memo, 7, 3);
    EXPECT_EQ(memo.GetText(), QStringLiteral("\r\n"));
}

} // namespace
