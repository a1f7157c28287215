#include "tools/assetgen/PrintBlank.h"

#include "tools/assetgen/BlankPainter.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace {

constexpr double kMillimetre = 3.77953;
constexpr double kPageMargin = 5 * kMillimetre;
const QRectF kSheet(-kPageMargin, -kPageMargin, 148 * kMillimetre, 210 * kMillimetre);

// Picture1 of the certificate template, in report pixels from the printable area's corner, and the
// size of the picture it holds.
constexpr double kViewLeft = -28.24;
constexpr double kViewTop = -23.68;
constexpr double kViewWidth = 593.39;
constexpr double kViewHeight = 820.16;
constexpr int kPictureWidth = 1739;
constexpr int kPictureHeight = 2471;

constexpr int kPdfResolution = 1200;
constexpr double kMemoHeight = 15.12;

struct Memo {
    const char* name;
    double left;
    double top;
    double width;
};

// Where the template fill's memos print their values, in report pixels from the printable area.
constexpr Memo kMemos[] = {
    {"Memo1", 30.24, 25.46, 445.98},      {"Memo2", 71.81, 43.35, 328.82},
    {"Memo3", 117.17, 67.03, 283.46},     {"Memo4", 75.59, 132.28, 49.13},
    {"Memo5", 79.37, 160.52, 321.26},     {"Memo6", 83.15, 184.42, 22.68},
    {"Memo7", 109.61, 184.42, 64.25},     {"Memo8", 181.42, 184.42, 49.13},
    {"Memo9", 272.13, 188.20, 22.68},     {"Memo10", 301.14, 188.20, 68.03},
    {"Memo11", 370.39, 188.20, 52.91},    {"Memo12", 56.69, 236.24, 332.60},
    {"Memo13", 351.50, 377.95, 37.80},    {"Memo14", 351.50, 398.41, 37.80},
    {"Memo15", 351.50, 417.09, 37.80},    {"Memo16", 351.50, 433.81, 37.80},
    {"Memo17", 351.50, 472.44, 37.80},    {"Memo18", 351.50, 510.24, 37.80},
    {"Memo19", 351.50, 540.85, 37.80},    {"Memo20", 351.50, 578.27, 37.80},
    {"Memo21", 351.50, 608.50, 37.80},    {"Memo22", 351.50, 637.74, 37.80},
    {"Memo23", 351.50, 653.86, 37.80},    {"Memo24", 181.42, 670.98, 22.68},
    {"Memo25", 207.87, 670.98, 64.25},    {"Memo26", 306.14, 670.98, 45.35},
    {"Memo27", 359.06, 695.65, 117.17},   {"Memo_day", 51.02, 320.26, 22.68},
    {"Memo_month", 75.21, 320.26, 64.25}, {"Memo_year", 151.18, 320.26, 56.69},
    {"Memo28", 392.07, 377.95, 68.03},    {"Memo29", 392.07, 398.41, 68.03},
    {"Memo30", 393.07, 417.09, 68.03},    {"Memo31", 391.07, 433.43, 68.03},
    {"Memo32", 390.07, 472.44, 68.03},    {"Memo33", 390.07, 510.24, 68.03},
    {"Memo34", 390.07, 540.85, 68.03},    {"Memo35", 393.07, 578.27, 68.03},
    {"Memo36", 393.07, 608.50, 68.03},    {"Memo37", 391.07, 637.74, 68.03},
    {"Memo38", 391.07, 653.86, 68.03},    {"Memo39", 149.29, 477.22, 30.24},
    {"Memo40", 430.87, 86.15, 26.46},     {"Memo41", 430.87, 113.61, 26.46},
    {"Memo42", 26.46, 538.58, 147.40},    {"Memo_prot", 234.33, 306.14, 158.74},
    {"Memo_cat", 130.39, 287.24, 147.40}, {"Memo_kval", 211.65, 272.13, 188.98},
};

QRectF memoBox(const char* name)
{
    const auto* memo = std::find_if(std::begin(kMemos), std::end(kMemos),
                                    [name](const Memo& m) { return std::strcmp(m.name, name) == 0; });
    if (memo == std::end(kMemos))
        qFatal("assetgen: no memo named %s", name);
    return QRectF(memo->left, memo->top, memo->width, kMemoHeight);
}

// The subject table: ten rows and the total, each with the memos that print into it, its hours and its
// result first. A row ends just below its lowest memo, so that a name of several lines ends on the
// line its values are printed on.
const std::vector<std::vector<const char*>> kTableRowMemos = {
    {"Memo13", "Memo28"},           {"Memo14", "Memo29"},           {"Memo15", "Memo30"},
    {"Memo16", "Memo31"},           {"Memo17", "Memo32", "Memo39"}, {"Memo18", "Memo33"},
    {"Memo19", "Memo34", "Memo42"}, {"Memo20", "Memo35"},           {"Memo21", "Memo36"},
    {"Memo22", "Memo37"},           {"Memo23", "Memo38"},
};
const std::vector<double> kTableColumns = {0, 12, 350, 389.7, 463};
constexpr double kHeaderTop = 338;
constexpr double kFirstRowTop = 362;
constexpr double kNameLeft = 15;
constexpr double kLineSpacing = 12.6;

std::vector<double> tableRows()
{
    std::vector<double> rows = {kHeaderTop, kFirstRowTop};
    for (size_t row = 0; row < kTableRowMemos.size(); ++row) {
        double bottom = 0;
        for (const char* name : kTableRowMemos[row])
            bottom = std::max(bottom, memoBox(name).bottom());
        double line = bottom + 1;
        if (row + 1 < kTableRowMemos.size()) {
            double nextTop = line;
            for (const char* name : kTableRowMemos[row + 1])
                nextTop = std::min(nextTop, memoBox(name).top());
            line = std::min(line, (bottom + nextTop) / 2);
        }
        rows.push_back(line);
    }
    return rows;
}

void frontSide(BlankPainter& blank)
{
    const QFont print = BlankPainter::serif(11);
    const QFont caption = BlankPainter::serif(7, false, true);
    const QFont small = BlankPainter::serif(10);

    blank.title(memoBox("Memo1").center().x(), 17, QStringLiteral("РОССИЙСКАЯ ФЕДЕРАЦИЯ"),
                BlankPainter::serif(10, true));
    blank.captionBelow(
        memoBox("Memo2"),
        QStringLiteral("(наименование организации, осуществляющей образовательную деятельность)"), caption);
    blank.captionBelow(memoBox("Memo3"), QStringLiteral("(населённый пункт)"), caption);
    blank.title(215, 113, QStringLiteral("СВИДЕТЕЛЬСТВО"), BlankPainter::serif(22, true));
    blank.title(215, 127, QStringLiteral("О ПРОФЕССИИ ВОДИТЕЛЯ"), BlankPainter::serif(12, true));
    blank.captionLeftOf(memoBox("Memo40"), QStringLiteral("Категория"), small);
    blank.captionLeftOf(memoBox("Memo41"), QStringLiteral("Обучение по кат."), small);

    const QRectF series = memoBox("Memo4");
    blank.captionLeftOf(series, QStringLiteral("Серия"), print);
    blank.captionRightOf(series, QStringLiteral("№"), print);
    blank.gap(series.right() + 18, series.right() + 110, BlankPainter::baselineIn(series, print));

    blank.captionLeftOf(memoBox("Memo5"), QStringLiteral("Выдано"), print);
    blank.captionBelow(memoBox("Memo5"), QStringLiteral("(фамилия, имя, отчество)"), caption);
    blank.captionLeftOf(memoBox("Memo6"), QStringLiteral("в период с"), print);
    blank.captionRightOf(memoBox("Memo8"), QStringLiteral("г."), print);
    blank.captionLeftOf(memoBox("Memo9"), QStringLiteral("по"), print);
    blank.captionRightOf(memoBox("Memo11"), QStringLiteral("г."), print);

    const QRectF programme = memoBox("Memo12");
    blank.textCentred(programme.center().x(), 226,
                      QStringLiteral("прошёл(а) обучение по основной программе профессионального обучения"),
                      print);
    blank.captionBelow(programme, QStringLiteral("(наименование программы профессионального обучения)"),
                       caption);
    blank.captionLeftOf(memoBox("Memo_kval"), QStringLiteral("присвоена квалификация"), print);
    blank.captionLeftOf(memoBox("Memo_cat"), QStringLiteral("по категории"), print);
    blank.captionLeftOf(memoBox("Memo_prot"), QStringLiteral("Протокол экзаменационной комиссии №"), print);
    blank.captionLeftOf(memoBox("Memo_day"), QStringLiteral("от"), print);
    blank.captionRightOf(memoBox("Memo_year"), QStringLiteral("г."), print);
    blank.text(250, BlankPainter::baselineIn(memoBox("Memo_day"), print),
               QStringLiteral("За время обучения сданы зачёты и экзамены:"),
               BlankPainter::serif(11, false, true));
}

// Writes a subject's name so that its last line stands on the line its values are printed on.
void subjectName(BlankPainter& blank, double lastBaseline, std::initializer_list<QString> lines,
                 const QFont& font)
{
    double baseline = lastBaseline - (lines.size() - 1) * kLineSpacing;
    for (const QString& line : lines) {
        blank.text(kNameLeft, baseline, line, font);
        baseline += kLineSpacing;
    }
}

// The line above one with a memo inside it: a line's spacing higher, and high enough that its
// descenders clear the memo's box.
double baselineAbove(const char* memo, const QFont& font)
{
    const QRectF box = memoBox(memo);
    return std::min(BlankPainter::baselineIn(box, font) - kLineSpacing,
                    box.top() - QFontMetricsF(font).descent() - 0.5);
}

// A line of a subject's name with a memo inside it: text before the memo and after it.
void aroundMemo(BlankPainter& blank, const char* memo, const QString& before, const QString& after,
                const QFont& font)
{
    const QRectF box = memoBox(memo);
    const double baseline = BlankPainter::baselineIn(box, font);
    blank.textRightAligned(box.left() - 2, baseline, before, font);
    blank.text(box.right() + 2, baseline, after, font);
}

void tableHeader(BlankPainter& blank)
{
    const QFont font = BlankPainter::serif(10, true);
    const double baseline =
        BlankPainter::baselineIn(QRectF(0, kHeaderTop, 0, kFirstRowTop - kHeaderTop), font);
    const auto centreOf = [](int column) { return (kTableColumns[column] + kTableColumns[column + 1]) / 2; };
    blank.textCentred(centreOf(0), baseline, QStringLiteral("№"), font);
    blank.textCentred(centreOf(1), baseline, QStringLiteral("Наименование предметов"), font);
    blank.textCentred(centreOf(2), baseline - 5.5, QStringLiteral("Кол-во"), font);
    blank.textCentred(centreOf(2), baseline + 5.5, QStringLiteral("часов"), font);
    blank.textCentred(centreOf(3), baseline, QStringLiteral("Оценка"), font);
}

void subjectTable(BlankPainter& blank)
{
    const QFont font = BlankPainter::serif(11);
    blank.grid(kTableColumns, tableRows());
    tableHeader(blank);

    std::vector<double> baselines;
    for (const auto& memos : kTableRowMemos)
        baselines.push_back(BlankPainter::baselineIn(memoBox(memos.front()), font));
    for (int row = 0; row < 10; ++row)
        blank.textCentred(kTableColumns[1] / 2, baselines[row], QString::number(row + 1), font);

    subjectName(blank, baselines[0],
                {QStringLiteral("Основы законодательства в сфере"), QStringLiteral("дорожного движения")},
                font);
    subjectName(blank, baselines[1], {QStringLiteral("Психофизиологические основы деятельности водителя")},
                font);
    subjectName(blank, baselines[2], {QStringLiteral("Основы управления транспортными средствами")}, font);
    subjectName(blank, baselines[3], {QStringLiteral("Первая помощь при дорожно-транспортном происшествии")},
                font);
    subjectName(blank, baselineAbove("Memo39", font),
                {QStringLiteral("Устройство и техническое обслуживание транспортных средств")}, font);
    aroundMemo(blank, "Memo39", QStringLiteral("категории «"), QStringLiteral("» как объектов управления"),
               font);
    subjectName(blank, baselines[5],
                {QStringLiteral("Основы управления транспортными средствами"),
                 QStringLiteral("соответствующей категории")},
                font);
    subjectName(blank, baselineAbove("Memo42", font), {QStringLiteral("Вождение транспортных средств")},
                font);
    aroundMemo(blank, "Memo42", QStringLiteral("(с"), QStringLiteral("трансмиссией)"), font);
    subjectName(blank, baselines[7],
                {QStringLiteral("Организация и выполнение грузовых перевозок"),
                 QStringLiteral("автомобильным транспортом")},
                font);
    subjectName(blank, baselines[8],
                {QStringLiteral("Организация и выполнение пассажирских перевозок"),
                 QStringLiteral("автомобильным транспортом")},
                font);
    subjectName(blank, baselines[9], {QStringLiteral("Квалификационный экзамен")}, font);
    subjectName(blank, baselines[10], {QStringLiteral("Итого")}, BlankPainter::serif(11, true));
}

void signatures(BlankPainter& blank)
{
    const QFont print = BlankPainter::serif(11);
    const QFont caption = BlankPainter::serif(7, false, true);
    blank.captionLeftOf(memoBox("Memo24"), QStringLiteral("Дата выдачи"), print);
    blank.captionRightOf(memoBox("Memo26"), QStringLiteral("г."), print);

    const QRectF head = memoBox("Memo27");
    blank.text(20, BlankPainter::baselineIn(head, print), QStringLiteral("Руководитель организации"), print);
    const QRectF signature(160, head.top(), 180, head.height());
    blank.line(signature.left(), signature.bottom(), signature.right(), signature.bottom());
    blank.captionBelow(signature, QStringLiteral("(подпись)"), caption);
    blank.captionBelow(head, QStringLiteral("(фамилия, инициалы)"), caption);
    blank.text(40, 742, QStringLiteral("М.П."), print);
}

bool isTableCell(const Memo& memo)
{
    for (const auto& memos : kTableRowMemos)
        for (size_t i = 0; i < 2; ++i)
            if (std::strcmp(memos[i], memo.name) == 0)
                return true;
    return false;
}

} // namespace

void paintPrintBlank(QPainter& painter)
{
    BlankPainter blank(painter, 0.7, false);
    blank.paper(kSheet);
    // The boxes go first: some touch the table's lines, which must stay whole.
    for (const Memo& memo : kMemos) {
        const QRectF box = memoBox(memo.name);
        if (isTableCell(memo))
            blank.cellField(box);
        else
            blank.field(box);
    }
    frontSide(blank);
    subjectTable(blank);
    signatures(blank);
}

// Picture1 is stretched with its aspect ratio kept and not centred: the picture is scaled by the smaller
// of view width / picture width and view height / picture height and drawn from the view's top-left
// corner. The view is relatively wider (593.39 / 1739 > 820.16 / 2471), so the picture fills the view's
// height and one picture pixel spans 820.16 / 2471 report pixels both ways. Memos and Picture1 are both
// placed from the printable area's corner, so the 5 mm page margins cancel out here.
QTransform reportToPicture()
{
    const double reportPerPicturePixel = std::min(kViewWidth / kPictureWidth, kViewHeight / kPictureHeight);
    return QTransform::fromTranslate(-kViewLeft, -kViewTop) *
           QTransform::fromScale(1 / reportPerPicturePixel, 1 / reportPerPicturePixel);
}

QImage drawPrintBlank300dpi()
{
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    // The picture reaches past the sheet's edges; there it shows plain paper.
    image.fill(BlankPainter::paperColour());
    QPainter painter(&image);
    painter.setTransform(reportToPicture());
    paintPrintBlank(painter);
    return image;
}

bool writeMockupPdf(const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A5));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(kPdfResolution);
    writer.setTitle(QStringLiteral("Свидетельство о профессии водителя: макет бланка"));
    writer.setCreator(QStringLiteral("assetgen"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    // The PDF page starts at the sheet's corner, a page margin before the printable area.
    const double scale = kPdfResolution / 96.0;
    painter.setTransform(QTransform::fromTranslate(kPageMargin, kPageMargin) *
                         QTransform::fromScale(scale, scale));
    paintPrintBlank(painter);
    return painter.end();
}
