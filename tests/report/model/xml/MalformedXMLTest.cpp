#include "XMLTestSupport.h"

#include "report/model/xml/TfrxInvalidXMLException.h"
#include "report/model/xml/TfrxXMLReader.h"

#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray nested(int levels)
{
    return kDeclaration + QByteArray("<e>").repeated(levels + 1);
}

// Loading must either succeed or fail with the format error; anything else (another exception, a crash
// under the sanitizers) fails the test.
bool loadsOrRejects(const QByteArray& bytes)
{
    TfrxXMLDocument document;
    try {
        loadBytes(document, bytes);
        return true;
    } catch (const TfrxInvalidXMLException&) {
        return true;
    }
}

const QByteArray kSample = kDeclaration + "\r\n<TfrxReport Version=\"5.6.1\">\r\n  <!-- note -->\r\n"
                                          "  <TfrxReportPage Name=\"Page1\" Text=\"a&#34;b&#13;&#10;\">\r\n"
                                          "    <TfrxMemoView Name=\"Memo1\" Text=\"Мемо\"/>\r\n"
                                          "  </TfrxReportPage>\r\n</TfrxReport>\r\n";

} // namespace

TEST(MalformedXML, SyntaxErrorsRaiseTheFormatError)
{
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("\r\n  \r\n"),
        QByteArray("no markup at all"),
        QByteArray("<?xml version=\"1.0\""),
        kDeclaration + "<r a=\"1\"",
        kDeclaration + "<r <a/>",
        kDeclaration + "<r><a></r>",
        kDeclaration + "</r>",
        nested(TfrxXMLReader::kMaxDepth + 1),
        nested(100000),
    };
    for (const QByteArray& bytes : cases) {
        TfrxXMLDocument document;
        EXPECT_THROW(loadBytes(document, bytes), TfrxInvalidXMLException) << bytes.left(80).toStdString();
    }
}

TEST(MalformedXML, NestingUpToTheLimitIsRead)
{
    TfrxXMLDocument document;
    loadBytes(document, nested(TfrxXMLReader::kMaxDepth));
    int depth = 0;
    for (TfrxXMLItem* item = document.GetRoot(); item->GetCount() > 0; item = item->GetItems(0))
        ++depth;
    EXPECT_EQ(depth, TfrxXMLReader::kMaxDepth);
}

TEST(MalformedXML, AnOversizedTagIsRejected)
{
    TfrxXMLDocument document;
    const QByteArray huge = kDeclaration + "<r v=\"" + QByteArray(TfrxXMLReader::kMaxTagBytes, 'A') + "\"/>";
    EXPECT_THROW(loadBytes(document, huge), TfrxInvalidXMLException);
}

TEST(MalformedXML, DamagedButReadableInputGivesADefinedTree)
{
    TfrxXMLDocument document;
    loadBytes(document, kDeclaration + "<r a=\"1><b/></r>");
    EXPECT_EQ(document.GetRoot()->GetProp(QStringLiteral("a")), QStringLiteral("1"));
    EXPECT_EQ(document.GetRoot()->GetCount(), 1);

    loadBytes(document, kDeclaration);
    EXPECT_EQ(document.GetRoot()->GetName(), QString());
    EXPECT_EQ(document.GetRoot()->GetCount(), 0);

    loadBytes(document, kDeclaration + "<r><!-- never closed <a/>");
    EXPECT_EQ(document.GetRoot()->GetCount(), 0);

    loadBytes(document, kDeclaration + "<r v=\"\xFF\xFE\x80\"/>");
    EXPECT_EQ(document.GetRoot()->GetProp(QStringLiteral("v")), QString(3, QChar::ReplacementCharacter));
}

TEST(MalformedXML, AFailedLoadLeavesNoStaleRoot)
{
    TfrxXMLDocument document;
    loadBytes(document, kSample);
    EXPECT_THROW(loadBytes(document, "garbage"), TfrxInvalidXMLException);
    EXPECT_EQ(document.GetRoot()->GetName(), QString());
    EXPECT_EQ(document.GetRoot()->GetCount(), 0);
}

TEST(MalformedXML, EveryTruncationOfAFileLoadsOrIsRejected)
{
    for (qsizetype length = 0; length < kSample.size(); ++length)
        EXPECT_TRUE(loadsOrRejects(kSample.left(length))) << length;
}

TEST(MalformedXML, BinaryGarbageLoadsOrIsRejected)
{
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        QByteArray garbage(1 + round * 37, '\0');
        for (char& b : garbage)
            b = char(byte(random));
        EXPECT_TRUE(loadsOrRejects(garbage));
        EXPECT_TRUE(loadsOrRejects(kDeclaration + garbage));
        // Markup characters make the reader go deeper into its rules than uniform noise does.
        const char markup[] = "<>/\"= !-?";
        for (char& b : garbage)
            b = byte(random) < 128 ? markup[byte(random) % (sizeof markup - 1)] : char(byte(random));
        EXPECT_TRUE(loadsOrRejects(kDeclaration + garbage));
    }
}

TEST(MalformedXML, ElementsBeyondTheLimitAreRejectedUnlessParked)
{
    const QByteArray children = QByteArray("<a/>").repeated(TfrxXMLReader::kMaxElements);
    TfrxXMLDocument document;
    EXPECT_THROW(loadBytes(document, kDeclaration + "<r>" + children + "<a/></r>"), TfrxInvalidXMLException);

    // Children of a parked element are only passed over: they take no memory until fetched.
    loadBytesPartially(document, kDeclaration + "<r><p Name=\"Page1\" ld=\"0\">" + children + "<a/></p></r>");
    EXPECT_EQ(document.GetRoot()->GetCount(), 1);
}
