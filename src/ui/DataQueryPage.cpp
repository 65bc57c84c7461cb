#include "ui/DataQueryPage.h"

#include "commands/ItemLists.h"
#include "ui/Controls.h"
#include "ui/DropDown.h"
#include "ui/PageGrid.h"
#include "ui/WatchControls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The page's texts, for translation.
struct DataQueryPage
{
    Q_DECLARE_TR_FUNCTIONS(DataQueryPage)
};

struct Display
{
    const char *caption;
    const char *name;
    const char *start;
};

// clang-format off
const Display analogValues[] = {
    {"AD01:", "AD1XS", "00000"},
    {"AD02:", "AD2XS", "00000"},
    {"AD03:", "AD3XS", "00000"},
    {"AD04:", "AD4XS", "00000"},
    {"AD05:", "AD5XS", "00000"},
    {"AD06:", "AD6XS", "00000"},
};
// The third row carries the second row's caption.
const Display totalizers[] = {
    {"PIN1:", "PU1XS", "00000000"},
    {"PIN2:", "PU2XS", "00000000"},
    {"PIN2:", "PU3XS", "00000000"},
};
const Display digitalValues[] = {
    {QT_TRANSLATE_NOOP("DataQueryPage", "Power Supply Mode :"), "IN1XS", ""},
    {"DIN1:",                                                   "IN2XS", ""},
    {"DIN2:",                                                   "IN3XS", ""},
};
const Display stationValues[] = {
    {QT_TRANSLATE_NOOP("DataQueryPage", "Station Number:"),    "Label80", ""},
    {QT_TRANSLATE_NOOP("DataQueryPage", "Verification Time:"), "Label81", ""},
    {QT_TRANSLATE_NOOP("DataQueryPage", "Battery Voltage:"),   "Label82", ""},
};

struct TimePart
{
    const char *name;
    QStringList (*items)();
    const char *unitText;
};
const TimePart startTime[] = {
    {"Hyear",  historyYears,                        QT_TRANSLATE_NOOP("DataQueryPage", "Y")},
    {"Hmonth", [] { return twoDigitRange(1, 12); }, QT_TRANSLATE_NOOP("DataQueryPage", "M")},
    {"Hday",   [] { return twoDigitRange(1, 31); }, QT_TRANSLATE_NOOP("DataQueryPage", "D")},
    {"Hhour",  [] { return twoDigitRange(0, 23); }, QT_TRANSLATE_NOOP("DataQueryPage", "H")},
    {"Hmin",   [] { return twoDigitRange(0, 59); }, QT_TRANSLATE_NOOP("DataQueryPage", "Min")},
};
// clang-format on

// Value displays: labels the live data replies write.
void addDisplays(QWidget *parent, QGridLayout *grid, const Display *rows, int count, const QString &widest)
{
    for (int at = 0; at < count; ++at) {
        const QString name = QLatin1String(rows[at].name);
        grid->addWidget(caption(parent, name, DataQueryPage::tr(rows[at].caption)), at, 0);
        QLabel *value = label(parent, name, QLatin1String(rows[at].start), {});
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(widest));
        grid->addWidget(value, at, 1);
    }
    grid->setRowStretch(count, 1);
}

template <std::size_t N>
QGroupBox *displayGroup(QWidget *page, const char *name, const char *title, const Display (&rows)[N],
                        const QString &widest)
{
    QGroupBox *group = groupBox(page, QLatin1String(name), DataQueryPage::tr(title), {});
    addDisplays(group, gridOf(group), rows, N, widest);
    return group;
}

QLayout *liveArea(QWidget *page)
{
    auto *row = new QHBoxLayout;
    row->addWidget(displayGroup(page, "GroupBox30", QT_TRANSLATE_NOOP("DataQueryPage", "Analog Signal"),
                                analogValues, QStringLiteral("000000.000")));
    row->addWidget(displayGroup(page, "GroupBox29", QT_TRANSLATE_NOOP("DataQueryPage", "Totalizer"),
                                totalizers, QStringLiteral("0000000000")));
    row->addWidget(displayGroup(page, "GroupBox31", QT_TRANSLATE_NOOP("DataQueryPage", "Digital Signal"),
                                digitalValues, QStringLiteral("Pulse Count")));

    auto *side = new QVBoxLayout;
    auto *station = new QGridLayout;
    addDisplays(page, station, stationValues, 3, QStringLiteral("00-00-00 00:00:00"));
    side->addLayout(station);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(button(page, QStringLiteral("Button124"), DataQueryPage::tr("Manual Query"), {}));
    buttons->addWidget(button(page, QStringLiteral("Button21"), DataQueryPage::tr("Query"), {}));
    buttons->addStretch();
    side->addLayout(buttons);
    side->addLayout(monitorRow(page));
    row->addLayout(side);
    row->addStretch();
    return row;
}

// One row: the storage period shown by the collector, the start time, the record count and "Query".
QGroupBox *historyQueryGroup(QWidget *page)
{
    QGroupBox *group = groupBox(page, QStringLiteral("GroupBox32"), {}, {});
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(2);
    row->addWidget(caption(group, QStringLiteral("NameSave"), DataQueryPage::tr("Data Retention Period:")));
    row->addWidget(fitChars(dropDownShowing(group, QStringLiteral("NameSave"), historyRetentionPeriods(),
                                            DataQueryPage::tr("Not Save"), {}),
                            7));
    row->addWidget(caption(group, QStringLiteral("Hyear"), DataQueryPage::tr("Start Time:")));
    for (const TimePart &part : startTime) {
        const QString name = QLatin1String(part.name);
        row->addWidget(fitChars(dropDown(group, name, part.items(), 0, {}), 2));
        row->addWidget(unit(group, name, DataQueryPage::tr(part.unitText)));
    }
    row->addWidget(caption(group, QStringLiteral("Hcont"), DataQueryPage::tr("Record Count:")));
    row->addWidget(fitChars(dropDown(group, QStringLiteral("Hcont"), recordCounts(), 0, {}), 2));
    row->addStretch();
    row->addWidget(snug(button(group, QStringLiteral("Button125"), DataQueryPage::tr("Query"), {})));
    return group;
}

} // namespace

void buildDataQueryPage(QWidget *page)
{
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(8, 4, 8, 6);
    column->setSpacing(3);
    column->addLayout(liveArea(page));
    column->addStretch();

    column->addWidget(caption(page, QStringLiteral("GroupBox32"), DataQueryPage::tr("Historical Data")));
    column->addWidget(historyQueryGroup(page));
    QPlainTextEdit *records = memo(page, QStringLiteral("Memo7"), {});
    records->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    records->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    records->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    records->setFixedSize(753, 105);
    column->addWidget(records);
    QPushButton *clear = button(page, QStringLiteral("Button141"), DataQueryPage::tr("Clear Buffer"), {});
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(clear);
    addHistoryButtons(bottom, page);
    bottom->addStretch();
    column->addLayout(bottom);

    // Button141Click: empties the history records only.
    QObject::connect(clear, &QPushButton::clicked, records, &QPlainTextEdit::clear);
}
