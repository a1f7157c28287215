#include "PdfProbe.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

PdfFacts pdfFacts(const QString& fileName)
{
    const QString info =
        run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                        QStringLiteral("1000"), fileName});
    PdfFacts facts;
    const auto pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    if (pages.hasMatch())
        facts.pages = pages.captured(1).toInt();
    const QRegularExpression size(QStringLiteral("^Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                  QRegularExpression::MultilineOption);
    for (auto it = size.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        facts.pageSizes.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    return facts;
}

QRectF pdfWordBox(const QString& fileName, const QString& word)
{
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                              QStringLiteral("-l"), QStringLiteral("1"), fileName, QStringLiteral("-")});
    const QRegularExpression box(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">%1</word>")
            .arg(QRegularExpression::escape(word)));
    const auto m = box.match(html);
    if (!m.hasMatch())
        return {};
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

QImage pdfFirstPageImage(const QString& fileName, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
         QStringLiteral("1"), fileName, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}
