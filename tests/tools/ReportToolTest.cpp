#include "ReportToolRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ReportTool, RoundtripOfTheCertificateTemplateIsByteIdentical)
{
    QTemporaryDir folder;
    const QString output = folder.filePath("shablon.fr3");
    const ToolRun run = runReportTool({"roundtrip", CERTPRINT_TEMPLATE, output});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.isEmpty());
    EXPECT_TRUE(readFile(output) == readFile(CERTPRINT_TEMPLATE));
}

TEST(ReportTool, ABrokenTemplatePrintsItsErrorsOneALineAndFails)
{
    QTemporaryDir folder;
    const QString input = folder.filePath("broken.fr3");
    QFile file(input);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\r\n<TfrxReport>"
               "<TfrxReportPage Name=\"Page1\" PaperWidth=\"wide\"><TfrxCrossView Name=\"Cross1\"/>"
               "<TfrxMemoView Name=\"Memo1\"/></TfrxReportPage></TfrxReport>");
    file.close();
    const ToolRun run = runReportTool({"roundtrip", input, folder.filePath("out.fr3")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, "'wide' is not a valid floating point value\nCannot find class TfrxCrossView\n");
}

TEST(ReportTool, AFileThatCannotBeReadOrWrittenFailsWithItsMessage)
{
    QTemporaryDir folder;
    const ToolRun missing =
        runReportTool({"roundtrip", folder.filePath("missing.fr3"), folder.filePath("out.fr3")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.errors.startsWith("Cannot open file")) << missing.errors.toStdString();

    const ToolRun unwritable =
        runReportTool({"roundtrip", CERTPRINT_TEMPLATE, folder.filePath("no/such/out.fr3")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.errors.startsWith("Cannot create file")) << unwritable.errors.toStdString();
}

TEST(ReportTool, AnUnknownSubcommandShowsTheUsage)
{
    const ToolRun run = runReportTool({"frobnicate"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains("reporttool roundtrip IN.fr3 OUT.fr3"));
}
