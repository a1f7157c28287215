#include "ReportToolRun.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// The mean brightness of a strip of the image: the blank's printed captions darken it.
double meanGrey(const QImage& image, const QRect& area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}
} // namespace

TEST(RenderCommand, DrawsTheWholeSheetAtTheAskedResolution)
{
    const struct { const char* dpi; QSize size; } cases[] = {
        {nullptr, {559, 794}}, {"300", {1748, 2480}}, {"48", {280, 397}},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        const QString output = folder.filePath("page.png");
        QStringList arguments{"render", CERTPRINT_TEMPLATE, output};
        if (c.dpi)
            arguments << "--dpi" << c.dpi;
        const ToolRun run = runReportTool(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        const QImage image(output);
        EXPECT_EQ(image.size(), c.size) << (c.dpi ? c.dpi : "96");
        // The blank's picture is drawn: the page is not left plain white.
        EXPECT_LT(meanGrey(image, image.rect()), 250.0);
    }
}

TEST(RenderCommand, RefusesBadArgumentsAndMissingFiles)
{
    QTemporaryDir folder;
    EXPECT_EQ(runReportTool({"render", CERTPRINT_TEMPLATE, folder.filePath("a.png"), "--dpi", "0"}).exitCode, 2);
    EXPECT_EQ(runReportTool({"render", CERTPRINT_TEMPLATE}).exitCode, 2);
    const ToolRun missing = runReportTool({"render", folder.filePath("none.fr3"), folder.filePath("a.png")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.errors.isEmpty());
    const ToolRun unwritable = runReportTool({"render", CERTPRINT_TEMPLATE, folder.filePath("no/such/a.png")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.errors.contains("Unable to write to")) << unwritable.errors.toStdString();
}
