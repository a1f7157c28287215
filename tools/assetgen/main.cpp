// Draws every picture the program carries and writes them into the assets folder given on the command
// line: the window's blank, the template's 300 dpi blank, the icons and the PDF mock-up.

#include "tools/assetgen/Icons.h"
#include "tools/assetgen/PaletteImage.h"
#include "tools/assetgen/PrintBlank.h"
#include "tools/assetgen/ScreenBlank.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

bool fail(const QString& path)
{
    std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
    return false;
}

bool writeAssets(const QDir& folder)
{
    if (!folder.mkpath(QStringLiteral("icons")))
        return fail(folder.filePath(QStringLiteral("icons")));
    // The image list of the command panel is indexed 0 layout, 1 clear, 2 print, 3 mock-up.
    const std::vector<std::pair<QString, QImage>> images = {
        {QStringLiteral("blank.png"), toPalette(drawScreenBlank())},
        {QStringLiteral("blank_300dpi.png"), toPalette(drawPrintBlank300dpi())},
        {QStringLiteral("icons/layout.png"), layoutIcon()},
        {QStringLiteral("icons/clear.png"), clearIcon()},
        {QStringLiteral("icons/print.png"), printIcon()},
        {QStringLiteral("icons/mockup.png"), mockupIcon()},
        {QStringLiteral("icons/program.png"), programIcon()},
    };
    constexpr int kSmallestFile = 0;
    for (const auto& [name, image] : images)
        if (!image.save(folder.filePath(name), "PNG", kSmallestFile))
            return fail(folder.filePath(name));
    const QString mockup = folder.filePath(QStringLiteral("шаблон.pdf"));
    return writeMockupPdf(mockup) || fail(mockup);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen <assets folder>\n");
        return 2;
    }
    return writeAssets(QDir(QString::fromLocal8Bit(argv[1]))) ? 0 : 1;
}
