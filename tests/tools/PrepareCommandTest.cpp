#include "ReportToolRun.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(PrepareCommand, PreparedCertificateRendersPageByPage)
{
    QTemporaryDir folder;
    const QString prepared = folder.filePath("certificate.fp3");
    const ToolRun run = runReportTool({"prepare", CERTPRINT_TEMPLATE, prepared});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(readAll(prepared).contains("<preparedreport>"));

    const QString picture = folder.filePath("page.png");
    const ToolRun render = runReportTool({"render", prepared, picture, "--page", "1"});
    ASSERT_EQ(render.exitCode, 0) << render.errors.toStdString();
    const QImage image(picture);
    EXPECT_EQ(image.size(), QSize(559, 794));
    EXPECT_NE(image.pixel(20, 400), qRgb(255, 255, 255)); // the blank is behind the values

    const ToolRun beyond = runReportTool({"render", prepared, picture, "--page", "2"});
    EXPECT_EQ(beyond.exitCode, 1);
    EXPECT_TRUE(beyond.errors.contains("has no page 2")) << beyond.errors.toStdString();
    // Templates have no page numbers to choose from.
    EXPECT_EQ(runReportTool({"render", CERTPRINT_TEMPLATE, picture, "--page", "1"}).exitCode, 2);
}

TEST(PrepareCommand, TemplateWithErrorsLeavesTheOutputAlone)
{
    QTemporaryDir folder;
    QByteArray broken = readAll(CERTPRINT_TEMPLATE);
    const qsizetype memo = broken.indexOf("Name=\"Memo1\"");
    ASSERT_GE(memo, 0);
    const qsizetype text = broken.indexOf("Text=\"\"", memo);
    broken.replace(text, 7, "Text=\"[1 +]\"");
    const QString input = folder.filePath("broken.fr3");
    writeAll(input, broken);
    const QString output = folder.filePath("out.fp3");
    writeAll(output, "previous");

    const ToolRun run = runReportTool({"prepare", input, output});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("The following error(s) have occured:")) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("Memo1: ")) << run.errors.toStdString();
    EXPECT_EQ(readAll(output), QByteArray("previous"));
}
