#include "report/model/xml/XMLEscaping.h"

#include "common/Exception.h"

#include <gtest/gtest.h>

namespace {

QString withNulAt(int length, int at)
{
    QString s(length, QLatin1Char('x'));
    s[at] = QChar(0);
    return s;
}

} // namespace

TEST(XMLEscaping, EscapesTheCharactersThatWouldBreakAQuotedValue)
{
    const struct {
        QString value;
        QString escaped;
    } cases[] = {
        {QStringLiteral("plain"), QStringLiteral("plain")},
        {QStringLiteral("12_категории \"В\""), QStringLiteral("12_категории &#34;В&#34;")},
        {QStringLiteral("&quot;"), QStringLiteral("&#34;")},
        {QStringLiteral("a&quotb"), QStringLiteral("a&#38;quotb")},
        {QStringLiteral("&amp;"), QStringLiteral("&#38;amp;")},
        {QStringLiteral("<a & b>"), QStringLiteral("&#60;a &#38; b&#62;")},
        {QStringLiteral("begin\r\n\r\nend."), QStringLiteral("begin&#13;&#10;&#13;&#10;end.")},
        {QStringLiteral("it's\t"), QStringLiteral("it's\t")},
        {QString(QChar(0)), QStringLiteral("&#0;")},
        {withNulAt(31, 5), QStringLiteral("xxxxx&#0;") + QString(25, QLatin1Char('x'))},
        {withNulAt(32, 5), QStringLiteral("xxxxx ") + QString(26, QLatin1Char('x'))},
        {QStringLiteral("€ ё 😀"), QStringLiteral("€ ё 😀")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeAttributeValue(c.value), c.escaped) << c.value.toStdString();
}

TEST(XMLEscaping, UnescapesNumericReferencesAndTheFourNamedEntities)
{
    const struct {
        QString escaped;
        QString value;
    } cases[] = {
        {QStringLiteral("&#34;"), QStringLiteral("\"")},
        {QStringLiteral("&quot;"), QStringLiteral("\"")},
        {QStringLiteral("&#13;&#10;"), QStringLiteral("\r\n")},
        {QStringLiteral("&amp;&lt;&gt;"), QStringLiteral("&<>")},
        {QStringLiteral("&apos;"), QStringLiteral("&apos;")},
        // The scan goes on after a replaced character, so a reference is never decoded twice.
        {QStringLiteral("&#38;quot;"), QStringLiteral("&quot;")},
        {QStringLiteral("&#38;#34;"), QStringLiteral("&#34;")},
        {QStringLiteral("a & b &"), QStringLiteral("a & b &")},
        {QStringLiteral("&#;"), QStringLiteral("&#;")},
        {QStringLiteral("x &#12"), QStringLiteral("x &#12")},
        {QStringLiteral("&#1052;&#1077;&#1084;&#1086;"), QStringLiteral("Мемо")},
        {QStringLiteral("&#0034;"), QStringLiteral("\"")},
        {QStringLiteral("&#0;"), QString(QChar(0))},
        {QStringLiteral("&#128512;"), QStringLiteral("😀")},
        {QStringLiteral("&#55357;&#56832;"), QStringLiteral("😀")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnescapeAttributeValue(c.escaped), c.value) << c.escaped.toStdString();
}

TEST(XMLEscaping, ANumericReferenceThatIsNotANumberIsAConversionError)
{
    const struct {
        QString escaped;
        QString message;
    } cases[] = {
        {QStringLiteral("&#12a;"), QStringLiteral("'12a' is not a valid integer value")},
        {QStringLiteral("x&#-1;"), QStringLiteral("'-1' is not a valid integer value")},
        {QStringLiteral("&# 1;"), QStringLiteral("' 1' is not a valid integer value")},
        {QStringLiteral("&#1114112;"), QStringLiteral("'1114112' is not a valid integer value")},
        {QStringLiteral("&#99999999999999999999;"),
         QStringLiteral("'99999999999999999999' is not a valid integer value")},
        // The digits run to the next ";" wherever it is.
        {QStringLiteral("&#12 &amp; b"), QStringLiteral("'12 &amp' is not a valid integer value")},
    };
    for (const auto& c : cases) {
        try {
            UnescapeAttributeValue(c.escaped);
            ADD_FAILURE() << "no error for " << c.escaped.toStdString();
        } catch (const Exception& e) {
            EXPECT_EQ(e.message(), c.message);
        }
    }
}

TEST(XMLEscaping, EveryValueSurvivesEscapingExceptTheTwoStoredQuirks)
{
    const QString values[] = {
        QStringLiteral("Модуль для печати бланков о профессии водителя"),
        QStringLiteral("a\"b'c<d>e&f\r\ng\nh\ri"),
        QStringLiteral("&#34; &lt; &amp;amp; &"),
        QString(QChar(0)) + QStringLiteral("short"),
        QStringLiteral("&quo"),
    };
    for (const QString& value : values)
        EXPECT_EQ(UnescapeAttributeValue(EscapeAttributeValue(value)), value) << value.toStdString();
    EXPECT_EQ(UnescapeAttributeValue(EscapeAttributeValue(QStringLiteral("say &quot;hi&quot;"))),
              QStringLiteral("say \"hi\""));
    EXPECT_EQ(UnescapeAttributeValue(EscapeAttributeValue(withNulAt(40, 0))),
              QStringLiteral(" ") + QString(39, QLatin1Char('x')));
}
