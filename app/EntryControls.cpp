#include "app/EntryControls.h"

#include "app/LimitedLineEdit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace {

enum class Kind { Edit, Hours, Total, Date, Choice, Label };

struct ControlSpec {
    const char* name;
    Kind kind;
    int left, top, width, height;
    int fontHeight; // character height in pixels; 0 keeps the window's font
    bool bold;
    Qt::Alignment alignment;
    int maxLength; // 0: unlimited
    int tabOrder;  // -1: not a tab stop
};

constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

const ControlSpec kControls[] = {
    {"Edit_1", Kind::Edit, 43, 75, 365, 22, 12, false, kCentre, 58, 15},
    {"Edit_2", Kind::Edit, 43, 105, 365, 22, 12, false, kCentre, 58, 17},
    {"Edit_3", Kind::Edit, 43, 136, 365, 22, 12, false, kCentre, 50, 18},
    {"Edit_4", Kind::Edit, 100, 272, 81, 21, 11, true, kLeft, 4, 19},
    {"Edit_5", Kind::Edit, 43, 339, 365, 24, 13, false, kCentre, 44, 20},
    {"Edit_6", Kind::Edit, 45, 462, 365, 22, 12, false, kCentre, 44, 21},
    {"Edit_7", Kind::Edit, 191, 495, 219, 21, 11, false, kCentre, 0, 22},
    {"Edit_8", Kind::Edit, 197, 515, 45, 21, 11, true, kCentre, 0, 23},
    {"Edit_9", Kind::Edit, 216, 563, 192, 21, 11, false, kCentre, 25, 24},
    {"Edit_10", Kind::Edit, 704, 48, 158, 21, 11, false, kLeft, 25, 16},
    {"DateTimePicker1", Kind::Date, 56, 387, 153, 21, 0, false, kLeft, 0, 11},
    {"DateTimePicker2", Kind::Date, 247, 387, 146, 21, 0, false, kLeft, 0, 12},
    {"DateTimePicker3", Kind::Date, 203, 536, 190, 21, 0, false, kLeft, 0, 13},
    {"DateTimePicker4", Kind::Date, 519, 64, 179, 21, 0, false, kLeft, 0, 14},
    {"edt_1", Kind::Hours, 736, 162, 51, 21, 11, false, kCentre, 5, 25},
    {"edt_2", Kind::Hours, 736, 193, 51, 21, 11, false, kCentre, 5, 28},
    {"edt_3", Kind::Hours, 737, 225, 51, 21, 11, false, kCentre, 5, 29},
    {"edt_4", Kind::Hours, 736, 255, 51, 21, 11, false, kCentre, 5, 30},
    {"edt_5", Kind::Hours, 736, 315, 51, 21, 11, false, kCentre, 5, 31},
    {"edt_6", Kind::Hours, 736, 362, 51, 21, 11, false, kCentre, 5, 32},
    {"edt_7", Kind::Hours, 737, 405, 51, 21, 11, false, kCentre, 5, 33},
    {"edt_8", Kind::Hours, 737, 463, 51, 21, 11, false, kCentre, 5, 34},
    {"edt_9", Kind::Hours, 736, 495, 51, 21, 11, false, kCentre, 5, 35},
    {"edt_10", Kind::Hours, 736, 517, 51, 21, 11, false, kCentre, 5, 26},
    {"edt_11", Kind::Total, 736, 538, 51, 21, 11, false, kCentre, 6, -1},
    {"cmb_1", Kind::Choice, 791, 164, 72, 19, 9, false, kLeft, 0, 0},
    {"cmb_2", Kind::Choice, 790, 195, 72, 19, 9, false, kLeft, 0, 2},
    {"cmb_3", Kind::Choice, 790, 227, 72, 19, 9, false, kLeft, 0, 3},
    {"cmb_4", Kind::Choice, 790, 258, 72, 19, 9, false, kLeft, 0, 4},
    {"cmb_5", Kind::Choice, 790, 317, 72, 19, 9, false, kLeft, 0, 5},
    {"cmb_6", Kind::Choice, 790, 364, 72, 19, 9, false, kLeft, 0, 6},
    {"cmb_7", Kind::Choice, 790, 407, 72, 19, 9, false, kLeft, 0, 7},
    {"cmb_8", Kind::Choice, 790, 465, 72, 19, 9, false, kLeft, 0, 8},
    {"cmb_9", Kind::Choice, 790, 497, 72, 19, 9, false, kLeft, 0, 9},
    {"cmb_10", Kind::Choice, 790, 521, 72, 19, 9, false, kLeft, 0, 1},
    {"cmb_kpp", Kind::Choice, 511, 420, 139, 19, 9, true, kLeft, 0, 10},
    {"Label1", Kind::Label, 555, 329, 0, 0, 12, true, kLeft, 0, -1},
    {"Label2", Kind::Label, 601, 374, 0, 0, 12, true, kLeft, 0, -1},
    {"Label3", Kind::Label, 626, 407, 0, 0, 12, true, kLeft, 0, -1},
};

QFont controlFont(const QWidget* area, const ControlSpec& spec)
{
    QFont font = area->font();
    if (spec.fontHeight > 0)
        font.setPixelSize(spec.fontHeight);
    font.setBold(spec.bold);
    return font;
}

QLineEdit* createEdit(QWidget* area, const ControlSpec& spec)
{
    // The total only ever shows computed sums; typing into it is limited to digits.
    auto* edit = new LimitedLineEdit(spec.maxLength, spec.kind == Kind::Total, area);
    edit->setAlignment(spec.alignment);
    if (spec.kind == Kind::Hours || spec.kind == Kind::Total)
        edit->setText(QStringLiteral("0"));
    if (spec.kind == Kind::Total)
        edit->setEnabled(false);
    return edit;
}

QDateEdit* createDatePicker(QWidget* area)
{
    auto* picker = new QDateEdit(area);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    return picker;
}

QComboBox* createChoice(QWidget* area, const QStringList& items)
{
    auto* choice = new QComboBox(area);
    choice->addItems(items);
    choice->setCurrentIndex(-1);
    return choice;
}

QStringList choiceItemsFor(const QString& name)
{
    if (name == QLatin1String("cmb_10"))
        return gradeItems();
    if (name == QLatin1String("cmb_kpp"))
        return transmissionItems();
    return resultItems();
}

// The numbered part of a control name: 1 for "Edit_1", "edt_1", "cmb_1", "DateTimePicker1", "Label1".
int numberOf(const QString& name)
{
    qsizetype i = name.size();
    while (i > 0 && name[i - 1].isDigit())
        --i;
    return name.mid(i).toInt();
}

QWidget* createControl(QWidget* area, const ControlSpec& spec, CertificateControls& controls)
{
    const QString name = QString::fromLatin1(spec.name);
    const int n = numberOf(name);
    QWidget* widget = nullptr;
    switch (spec.kind) {
    case Kind::Edit:
        widget = controls.edits[n - 1] = createEdit(area, spec);
        break;
    case Kind::Hours:
    case Kind::Total:
        widget = controls.hours[n - 1] = createEdit(area, spec);
        break;
    case Kind::Date:
        widget = controls.dates[n - 1] = createDatePicker(area);
        break;
    case Kind::Choice: {
        QComboBox* choice = createChoice(area, choiceItemsFor(name));
        widget = choice;
        if (n == 0)
            controls.transmission = choice;
        else
            controls.choices[n - 1] = choice;
        break;
    }
    case Kind::Label:
        widget = controls.categoryLabels[n - 1] = new QLabel(area);
        break;
    }
    widget->setObjectName(name);
    widget->setFont(controlFont(area, spec));
    if (spec.kind == Kind::Label) {
        widget->move(spec.left, spec.top);
        widget->adjustSize();
    } else {
        widget->setGeometry(spec.left, spec.top, spec.width, spec.height);
    }
    return widget;
}

} // namespace

QStringList resultItems()
{
    return {QStringLiteral("Зачтено"), QStringLiteral("Не Зачтено"), QStringLiteral("Х")};
}

QStringList gradeItems()
{
    return {QStringLiteral("Отлично"), QStringLiteral("Хорошо"), QStringLiteral("Удовл."),
            QStringLiteral("Х"),       QStringLiteral("-"),      QString()};
}

QStringList transmissionItems()
{
    return {QStringLiteral("механической"), QStringLiteral("автоматической")};
}

CertificateControls createEntryControls(QWidget* area)
{
    CertificateControls controls;
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlSpec& spec : kControls) {
        QWidget* widget = createControl(area, spec, controls);
        if (spec.tabOrder >= 0)
            tabStops.emplace_back(spec.tabOrder, widget);
    }
    std::sort(tabStops.begin(), tabStops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    return controls;
}

QSize entryControlsExtent()
{
    QSize extent;
    for (const ControlSpec& spec : kControls)
        extent = extent.expandedTo(QSize(spec.left + spec.width, spec.top + spec.height));
    return extent;
}
