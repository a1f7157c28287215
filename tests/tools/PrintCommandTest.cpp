#include "ReportToolRun.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// reporttool pdf and print: the print job without its dialog. The tool runs without a print
// server here, so the job writes its file through the virtual printer.
namespace {

int pdfPages(const QString& fileName)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {fileName});
    info.waitForFinished(60000);
    const auto pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(info.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

struct PdfCase {
    const char* name;
    QStringList options;
    int pages;
};

class PdfCommandTest : public ::testing::TestWithParam<PdfCase> {};

TEST_P(PdfCommandTest, PrintsTheCertificateAsAskedInto)
{
    QTemporaryDir folder;
    const QString output = folder.filePath("certificate.pdf");
    const ToolRun run = runReportTool(QStringList{"pdf", CERTPRINT_TEMPLATE, output} + GetParam().options);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(pdfPages(output), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(Options, PdfCommandTest,
                         ::testing::Values(PdfCase{"Plain", {}, 1},
                                           PdfCase{"CollatedCopies", {"--copies", "3", "--collate"}, 3},
                                           PdfCase{"PageListWithRepetition", {"--pages", "1,1"}, 2},
                                           PdfCase{"PageBeyondTheLast", {"--pages", "2"}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PdfCommand, APreparedReportPrintsAsItIs)
{
    QTemporaryDir folder;
    const QString prepared = folder.filePath("certificate.fp3");
    ASSERT_EQ(runReportTool({"prepare", CERTPRINT_TEMPLATE, prepared}).exitCode, 0);
    const QString output = folder.filePath("certificate.pdf");
    const ToolRun run = runReportTool({"pdf", prepared, output});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(pdfPages(output), 1);
}

TEST(PdfCommand, APageListThatIsNoListIsReported)
{
    QTemporaryDir folder;
    const ToolRun run =
        runReportTool({"pdf", CERTPRINT_TEMPLATE, folder.filePath("x.pdf"), "--pages", "1,,2"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("'' is not a valid integer value")) << run.errors.toStdString();
}

TEST(PdfCommand, WrongArgumentsShowTheUsage)
{
    EXPECT_EQ(runReportTool({"pdf", CERTPRINT_TEMPLATE}).exitCode, 2);
    EXPECT_EQ(runReportTool({"pdf", CERTPRINT_TEMPLATE, "x.pdf", "--copies", "0"}).exitCode, 2);
    EXPECT_EQ(runReportTool({"print", CERTPRINT_TEMPLATE, "--pages", "1"}).exitCode, 2);
}

TEST(PrintCommand, AnUnknownPrinterIsAnError)
{
    const ToolRun run = runReportTool({"print", CERTPRINT_TEMPLATE, "--printer", "NoSuchPrinter"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("Printer not found: NoSuchPrinter")) << run.errors.toStdString();
}

} // namespace
