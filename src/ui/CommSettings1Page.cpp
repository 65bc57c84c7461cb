#include "ui/CommSettings1Page.h"

#include "commands/ItemLists.h"
#include "ui/CommandSlotGroup.h"
#include "ui/Controls.h"
#include "ui/DropDown.h"
#include "ui/PageGrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The page's texts, for translation.
struct CommSettings1Page
{
    Q_DECLARE_TR_FUNCTIONS(CommSettings1Page)
};

// clang-format off
const CommandSlot pageSlots[] = {
    {"GroupBox5", QT_TRANSLATE_NOOP("CommandSlotGroup", "Command 1"), "COMAD1", false, "COMDDATA1", {"ACOMBY1", "ACOMBY2", "ACOMBY3"}, "Button76", "Button73", "Button74", "Button75"},
    {"GroupBox2", QT_TRANSLATE_NOOP("CommandSlotGroup", "Command 2"), "COMAD2", true,  "COMDDATA2", {"BCOMBY1", "BCOMBY2", "BCOMBY3"}, "Button81", "Button7",  "Button79", "Button80"},
};

struct DataPointRow
{
    const char *caption;
    const char *source;
    const char *address;
    const char *startAddress;
    const char *length;
    const char *format;
    const char *coefficient;
    const char *button;
};
const DataPointRow dataPoints[] = {
    {"MAD3:", "MAD1USE", "MAD1MADR", "003", "MAD1DADR", "MAD1XIN", "MAD1XS", "Button170"},
    {"MAD4:", "MAD2USE", "MAD2MADR", "007", "MAD2DADR", "MAD2XIN", "MAD2XS", "Button171"},
    {"MAD5:", "MAD3USE", "MAD3MADR", "011", "MAD3DADR", "MAD3XIN", "MAD3XS", "Button172"},
    {"MAD6:", "MAD4USE", "MAD4MADR", "015", "MAD4DADR", "MAD4XIN", "MAD4XS", "Button12"},
    {"MPU3:", "MPD1USE", "MPD1MADR", "003", "MPD1DADR", "MPD1XIN", "MPD1XS", "Button174"},
    {"MPU4:", "MPD2USE", "MPD2MADR", "007", "MPD2DADR", "MPD2XIN", "MPD2XS", "Button175"},
    {"MPU5:", "MPD3USE", "MPD3MADR", "011", "MPD3DADR", "MPD3XIN", "MPD3XS", "Button16"},
};
// clang-format on

QGroupBox *dataPointGroup(QWidget *page)
{
    QGroupBox *group =
        groupBox(page, QStringLiteral("GroupBox1"), CommSettings1Page::tr("Communication Parameters"), {});
    QGridLayout *grid = gridOf(group);
    const char *const headings[] = {QT_TRANSLATE_NOOP("CommSettings1Page", "Command Code"),
                                    QT_TRANSLATE_NOOP("CommSettings1Page", "Address"),
                                    QT_TRANSLATE_NOOP("CommSettings1Page", "Length"),
                                    QT_TRANSLATE_NOOP("CommSettings1Page", "Data Format"),
                                    QT_TRANSLATE_NOOP("CommSettings1Page", "Coefficient")};
    for (int column = 0; column < 5; ++column)
        grid->addWidget(label(group, QStringLiteral("GroupBox1Heading%1").arg(column + 1),
                              CommSettings1Page::tr(headings[column]), {}),
                        0, column + 1);
    int at = 1;
    for (const DataPointRow &row : dataPoints) {
        const QString format = QLatin1String(row.format);
        grid->addWidget(caption(group, QLatin1String(row.source), CommSettings1Page::tr(row.caption)), at, 0);
        grid->addWidget(fitChars(dropDown(group, QLatin1String(row.source), responseSources(), 0, {}), 5), at,
                        1);
        grid->addWidget(
            fitChars(field(group, QLatin1String(row.address), QLatin1String(row.startAddress), {}), 4), at,
            2);
        grid->addWidget(fitChars(field(group, QLatin1String(row.length), QStringLiteral("0"), {}), 4), at, 3);
        grid->addWidget(fitChars(dropDown(group, format, dataFormatsOf(format), 0, {}), 17), at, 4);
        grid->addWidget(
            fitChars(field(group, QLatin1String(row.coefficient), QStringLiteral("00001"), {}), 6), at, 5);
        grid->addWidget(snug(button(group, QLatin1String(row.button), CommSettings1Page::tr("Set"), {})),
                        at++, 6);
    }
    return group;
}

QGroupBox *portGroup(QWidget *page)
{
    QGroupBox *group =
        groupBox(page, QStringLiteral("GroupBox19"), CommSettings1Page::tr("RS485A  Instrument"), {});
    QGridLayout *grid = gridOf(group);
    auto choice = [&](int row, const char *name, const char *text, const QStringList &items, int start) {
        const QString control = QLatin1String(name);
        grid->addWidget(caption(group, control, CommSettings1Page::tr(text)), row, 0);
        grid->addWidget(fitChars(dropDown(group, control, items, start, {}), 6), row, 1, Qt::AlignLeft);
    };
    auto setButton = [&](int row, const char *name) {
        grid->addWidget(snug(button(group, QLatin1String(name), CommSettings1Page::tr("Set"), {})), row, 2);
    };

    choice(0, "MR485BT", QT_TRANSLATE_NOOP("CommSettings1Page", "Baud Rate:"), baudRates(), 3);
    // One "Set" on the stop-bit row sends all three serial settings.
    choice(1, "RS485STOP", QT_TRANSLATE_NOOP("CommSettings1Page", "Stop Bit:"), stopBits(), 0);
    setButton(1, "Button11");
    choice(2, "MR485JN", QT_TRANSLATE_NOOP("CommSettings1Page", "Parity:"), parities(), 0);

    grid->addWidget(caption(group, QStringLiteral("RS485DTM"), CommSettings1Page::tr("RTS Pin Delay Time:")),
                    3, 0);
    grid->addWidget(fitChars(field(group, QStringLiteral("RS485DTM"), {}, {}), 5), 3, 1, Qt::AlignLeft);
    setButton(3, "Button83");

    QPlainTextEdit *note = memo(group, QStringLiteral("Memo3"), {});
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setPlainText(
        CommSettings1Page::tr("RS485_RTS Pin Delay Time\n0_1200->240\n1_2400->120\n2_4800->58\n3_9600->29\n"
                              "4_19200->15 "));
    note->setFixedHeight(note->fontMetrics().lineSpacing() * 6 + 24);
    grid->addWidget(note, 4, 0, 1, 3);

    grid->addWidget(
        caption(group, QStringLiteral("RS485AXIEY"), CommSettings1Page::tr("RS485 Direct-Read Meter Type:")),
        5, 0, 1, 3);
    grid->addWidget(fitChars(dropDown(group, QStringLiteral("RS485AXIEY"), meterTypes(), 0, {}), 19), 6, 0, 1,
                    2);
    setButton(6, "Button78");
    grid->setRowStretch(7, 1);
    return group;
}

} // namespace

void buildCommSettings1Page(QWidget *page)
{
    auto *columns = new QHBoxLayout(page);
    columns->setContentsMargins(6, 4, 6, 6);
    columns->setSpacing(6);
    auto *left = new QVBoxLayout;
    left->setSpacing(2);
    for (const CommandSlot &slot : pageSlots)
        left->addWidget(commandSlotGroup(page, slot));
    left->addWidget(dataPointGroup(page));
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(portGroup(page));
    right->addWidget(button(page, QStringLiteral("Button84"), CommSettings1Page::tr("Read Parameters"), {}),
                     0, Qt::AlignLeft);
    columns->addLayout(left);
    columns->addLayout(right);
}
