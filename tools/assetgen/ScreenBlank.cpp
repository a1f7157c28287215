#include "tools/assetgen/ScreenBlank.h"

#include "tools/assetgen/BlankPainter.h"

#include <QPainter>

#include <initializer_list>
#include <vector>

namespace {

// The entry controls of the certificate window, in pixels from the entry area's top-left corner.
// Each gets a box on the blank, so that a control never hides printed text.
constexpr QRect kEdit1(43, 75, 365, 22);
constexpr QRect kEdit2(43, 105, 365, 22);
constexpr QRect kEdit3(43, 136, 365, 22);
constexpr QRect kEdit4(100, 272, 81, 21);
constexpr QRect kEdit5(43, 339, 365, 24);
constexpr QRect kEdit6(45, 462, 365, 22);
constexpr QRect kEdit7(191, 495, 219, 21);
constexpr QRect kEdit8(197, 515, 45, 21);
constexpr QRect kEdit9(216, 563, 192, 21);
constexpr QRect kEdit10(704, 48, 158, 21);
constexpr QRect kStartDate(56, 387, 153, 21);
constexpr QRect kEndDate(247, 387, 146, 21);
constexpr QRect kIssueDate(203, 536, 190, 21);
constexpr QRect kProtocolDate(519, 64, 179, 21);
constexpr QRect kHours[] = {{736, 162, 51, 21}, {736, 193, 51, 21}, {737, 225, 51, 21}, {736, 255, 51, 21},
                            {736, 315, 51, 21}, {736, 362, 51, 21}, {737, 405, 51, 21}, {737, 463, 51, 21},
                            {736, 495, 51, 21}, {736, 517, 51, 21}, {736, 538, 51, 21}};
constexpr QRect kResults[] = {{791, 164, 72, 19}, {790, 195, 72, 19}, {790, 227, 72, 19}, {790, 258, 72, 19},
                              {790, 317, 72, 19}, {790, 364, 72, 19}, {790, 407, 72, 19}, {790, 465, 72, 19},
                              {790, 497, 72, 19}, {790, 521, 72, 19}};
constexpr QRect kTransmission(511, 420, 139, 19);
// The category mirror labels grow to the right from these points; their text is Tahoma 12 bold,
// whose baseline lies 10 pixels below the label's top.
constexpr QPoint kCategoryMirrors[] = {{555, 329}, {601, 374}, {626, 407}};
constexpr int kMirrorAscent = 10;
constexpr int kMirrorGap = 44;

constexpr int kPageWidth = 454;
constexpr int kPageHeight = 640;

// The subject table of the right page: column and row lines, each row tall enough for the controls
// that stand in it.
const std::vector<double> kTableColumns = {470, 488, 732, 789, 866};
const std::vector<double> kTableRows = {130, 157, 189, 220, 251, 290, 359, 391, 458, 490, 516, 537, 560};
constexpr double kNameLeft = 491;
constexpr double kNameWidth = 238;
constexpr double kNameLineSpacing = 13;

const QColor kFold(0xCF, 0xCB, 0xB8);

double mirrorBaseline(int row)
{
    return kCategoryMirrors[row].y() + kMirrorAscent;
}

// Text on either side of a category mirror label: "… категории «" before it, "»…" after the gap.
void aroundMirror(BlankPainter& blank, int row, const QString& before, const QString& after)
{
    const QFont font = BlankPainter::serif(11);
    const double left = kCategoryMirrors[row].x();
    const double baseline = mirrorBaseline(row);
    blank.textRightAligned(left - 2, baseline, before, font);
    blank.gap(left, left + kMirrorGap, baseline);
    blank.text(left + kMirrorGap + 2, baseline, after, font);
}

void leftPage(BlankPainter& blank)
{
    const QFont caption = BlankPainter::serif(10, false, true);
    const QFont print = BlankPainter::serif(13);
    const QFont printSmall = BlankPainter::serif(12);
    const double centre = kEdit1.center().x() + 0.5;

    blank.title(kPageWidth / 2.0, 37, QStringLiteral("РОССИЙСКАЯ ФЕДЕРАЦИЯ"), BlankPainter::serif(13, true));
    blank.textCentred(
        centre, 70, QStringLiteral("(наименование организации, осуществляющей образовательную деятельность)"),
        caption);
    for (const QRect& box : {kEdit1, kEdit2, kEdit3})
        blank.field(box);
    blank.captionBelow(kEdit3, QStringLiteral("(населённый пункт)"), caption);

    blank.title(kPageWidth / 2.0, 218, QStringLiteral("СВИДЕТЕЛЬСТВО"), BlankPainter::serif(30, true));
    blank.title(kPageWidth / 2.0, 245, QStringLiteral("О ПРОФЕССИИ ВОДИТЕЛЯ"), BlankPainter::serif(17, true));

    blank.field(kEdit4);
    blank.captionLeftOf(kEdit4, QStringLiteral("Серия"), print);
    blank.captionRightOf(kEdit4, QStringLiteral("№"), print);
    blank.gap(kEdit4.right() + 24, kEdit4.right() + 120, BlankPainter::baselineIn(kEdit4, print));

    blank.textCentred(centre, 331, QStringLiteral("Настоящее свидетельство выдано"), print);
    blank.field(kEdit5);
    blank.captionBelow(kEdit5, QStringLiteral("(фамилия, имя, отчество)"), caption);

    blank.field(kStartDate);
    blank.field(kEndDate);
    blank.captionLeftOf(kStartDate, QStringLiteral("с"), print);
    blank.textCentred((kStartDate.right() + 1 + kEndDate.left()) / 2.0,
                      BlankPainter::baselineIn(kStartDate, print), QStringLiteral("по"), print);
    blank.textCentred(centre, 431, QStringLiteral("прошёл(а) профессиональное обучение"), print);
    blank.textCentred(centre, 451, QStringLiteral("по основной программе профессионального обучения"), print);
    blank.field(kEdit6);

    blank.field(kEdit7);
    blank.captionLeftOf(kEdit7, QStringLiteral("присвоена квалификация"), printSmall);
    blank.field(kEdit8);
    blank.captionLeftOf(kEdit8, QStringLiteral("категории «"), printSmall);
    blank.captionRightOf(kEdit8, QStringLiteral("»"), printSmall);

    blank.field(kIssueDate);
    blank.captionLeftOf(kIssueDate, QStringLiteral("Дата выдачи"), printSmall);
    blank.field(kEdit9);
    blank.captionLeftOf(kEdit9, QStringLiteral("Руководитель организации"), printSmall);
    blank.captionBelow(kEdit9, QStringLiteral("(фамилия, инициалы)"), caption);
    blank.text(60, 620, QStringLiteral("М.П."), printSmall);
}

void tableHeader(BlankPainter& blank)
{
    const QFont font = BlankPainter::serif(11, true);
    const double top = kTableRows[0];
    const double bottom = kTableRows[1];
    const QRectF header(0, top, 0, bottom - top);
    const double baseline = BlankPainter::baselineIn(header, font);
    const auto centreOf = [](int column) { return (kTableColumns[column] + kTableColumns[column + 1]) / 2; };
    blank.textCentred(centreOf(0), baseline, QStringLiteral("№"), font);
    blank.textCentred(centreOf(1), baseline, QStringLiteral("Наименование предмета"), font);
    blank.textCentred(centreOf(2), baseline - 6, QStringLiteral("Кол-во"), font);
    blank.textCentred(centreOf(2), baseline + 6, QStringLiteral("часов"), font);
    blank.textCentred(centreOf(3), baseline, QStringLiteral("Оценка"), font);
}

// Rows 5 to 7 name the vehicle category (and row 7 the transmission) inside their text, where the
// window shows the category mirror labels and the transmission choice.
void rowsWithCategory(BlankPainter& blank)
{
    const QFont font = BlankPainter::serif(11);
    const auto linesAbove = [&](int row, std::initializer_list<QString> lines) {
        double baseline = mirrorBaseline(row) - kNameLineSpacing * lines.size();
        for (const QString& line : lines) {
            blank.text(kNameLeft, baseline, line, font);
            baseline += kNameLineSpacing;
        }
    };
    linesAbove(
        0, {QStringLiteral("Устройство и техническое обслуживание"), QStringLiteral("транспортных средств")});
    aroundMirror(blank, 0, QStringLiteral("категории «"), QStringLiteral("» как объектов"));
    blank.text(kNameLeft, mirrorBaseline(0) + kNameLineSpacing, QStringLiteral("управления"), font);

    linesAbove(1, {QStringLiteral("Основы управления транспортными средствами")});
    aroundMirror(blank, 1, QStringLiteral("категории «"), QStringLiteral("»"));

    blank.field(kTransmission);
    linesAbove(2, {QStringLiteral("Вождение транспортных")});
    aroundMirror(blank, 2, QStringLiteral("средств категории «"), QStringLiteral("»"));
    blank.captionLeftOf(kTransmission, QStringLiteral("(с"), font);
    blank.captionRightOf(kTransmission, QStringLiteral("трансмиссией)"), font);
}

void subjectTable(BlankPainter& blank)
{
    const QFont font = BlankPainter::serif(11);
    const QString names[] = {
        QStringLiteral("Основы законодательства в сфере дорожного движения"),
        QStringLiteral("Психофизиологические основы деятельности водителя"),
        QStringLiteral("Основы управления транспортными средствами"),
        QStringLiteral("Первая помощь при дорожно-транспортном происшествии"),
        {},
        {},
        {},
        QStringLiteral("Организация и выполнение грузовых перевозок автомобильным транспортом"),
        QStringLiteral("Организация и выполнение пассажирских перевозок автомобильным транспортом"),
        QStringLiteral("Квалификационный экзамен"),
    };
    blank.grid(kTableColumns, kTableRows);
    tableHeader(blank);
    for (int row = 0; row < 10; ++row) {
        const double top = kTableRows[row + 1];
        const QRectF cell(kNameLeft, top, kNameWidth, kTableRows[row + 2] - top);
        blank.textCentred((kTableColumns[0] + kTableColumns[1]) / 2, BlankPainter::baselineIn(cell, font),
                          QString::number(row + 1), font);
        if (!names[row].isEmpty())
            blank.paragraph(cell, names[row], font);
    }
    rowsWithCategory(blank);
    const QRectF total(kNameLeft, kTableRows[11], kNameWidth, kTableRows[12] - kTableRows[11]);
    blank.paragraph(total, QStringLiteral("Итого"), BlankPainter::serif(11, true));

    for (const QRect& box : kHours)
        blank.cellField(box);
    for (const QRect& box : kResults)
        blank.cellField(box);
}

void rightPage(BlankPainter& blank)
{
    const QFont print = BlankPainter::serif(12);
    const double centre = (kTableColumns.front() + kTableColumns.back()) / 2;

    blank.title(kPageWidth * 1.5, 33, QStringLiteral("ИТОГОВАЯ АТТЕСТАЦИЯ"), BlankPainter::serif(13, true));
    // The protocol date's box starts just below the protocol number's line: the caption keeps to the
    // upper part of that line.
    blank.field(kEdit10);
    blank.textRightAligned(kEdit10.left() - 4, kEdit10.top() + 13,
                           QStringLiteral("Протокол экзаменационной комиссии №"), print);
    blank.field(kProtocolDate);
    blank.captionLeftOf(kProtocolDate, QStringLiteral("от"), print);

    blank.textCentred(centre, 108, QStringLiteral("За время обучения сдал(а) зачёты и экзамены"), print);
    blank.textCentred(centre, 123, QStringLiteral("по следующим предметам:"), print);
    subjectTable(blank);

    blank.text(kTableColumns.front(), 590, QStringLiteral("Председатель экзаменационной комиссии"), print);
    blank.line(700, 591, kTableColumns.back(), 591);
    blank.textCentred(783, 602, QStringLiteral("(подпись)"), BlankPainter::serif(10, false, true));
    blank.text(480, 620, QStringLiteral("М.П."), print);
}

} // namespace

QImage drawScreenBlank()
{
    QImage image(2 * kPageWidth, kPageHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    BlankPainter blank(painter, 1, true);
    blank.paper(QRectF(0, 0, kPageWidth, kPageHeight));
    blank.paper(QRectF(kPageWidth, 0, kPageWidth, kPageHeight));
    painter.setPen(kFold);
    painter.drawLine(kPageWidth, 0, kPageWidth, kPageHeight - 1);
    leftPage(blank);
    rightPage(blank);
    return image;
}
