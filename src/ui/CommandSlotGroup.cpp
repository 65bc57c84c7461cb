#include "ui/CommandSlotGroup.h"

#include "commands/ItemLists.h"
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
#include <QPushButton>

namespace {

// The page's texts, for translation.
struct CommandSlotGroup
{
    Q_DECLARE_TR_FUNCTIONS(CommandSlotGroup)
};

// A Modbus RTU request: station 1, read 4 holding registers from 0, CRC 44 09.
const char *const StartCommand = "0103000000044409";
const char *const StartBytes[] = {"01", "03", "00"};

QPushButton *slotButton(QWidget *group, const char *name, const char *text)
{
    return snug(button(group, QLatin1String(name), CommandSlotGroup::tr(text), {}));
}

} // namespace

QGroupBox *commandSlotGroup(QWidget *page, const CommandSlot &slot)
{
    QGroupBox *group = groupBox(page, QLatin1String(slot.group), CommandSlotGroup::tr(slot.title), {});
    QGridLayout *grid = gridOf(group);
    grid->setColumnStretch(2, 1);

    const QString enable = QLatin1String(slot.enable);
    auto *commandRow = new QHBoxLayout;
    commandRow->setSpacing(4);
    commandRow->addWidget(caption(group, enable, CommandSlotGroup::tr("Enable:")));
    QComboBox *box = slot.enableShowsText
                         ? dropDownShowing(group, enable, commandEnables(), QStringLiteral("0-Close"), {})
                         : dropDown(group, enable, commandEnables(), 0, {});
    commandRow->addWidget(fitChars(box, 6));
    const QString command = QLatin1String(slot.command);
    commandRow->addWidget(caption(group, command, CommandSlotGroup::tr("Command:")));
    commandRow->addWidget(fitChars(field(group, command, QLatin1String(StartCommand), {}), 20));
    commandRow->addStretch();
    grid->addLayout(commandRow, 0, 0, 1, 3);
    grid->addWidget(slotButton(group, slot.commandQuery, QT_TRANSLATE_NOOP("CommandSlotGroup", "Query")), 0,
                    3);
    grid->addWidget(slotButton(group, slot.commandSet, QT_TRANSLATE_NOOP("CommandSlotGroup", "Set")), 0, 4);

    auto *responseRow = new QHBoxLayout;
    responseRow->setSpacing(4);
    responseRow->addWidget(label(group, QLatin1String(slot.group) + QStringLiteral("Response"),
                                 CommandSlotGroup::tr("Response Data Parsing"), {}));
    for (int byte = 0; byte < 3; ++byte) {
        const QString name = QLatin1String(slot.bytes[byte]);
        responseRow->addWidget(caption(group, name, CommandSlotGroup::tr("Byte%1:").arg(byte + 1)));
        responseRow->addWidget(fitChars(field(group, name, QLatin1String(StartBytes[byte]), {}), 3));
    }
    responseRow->addStretch();
    grid->addLayout(responseRow, 1, 0, 1, 3);
    grid->addWidget(slotButton(group, slot.responseQuery, QT_TRANSLATE_NOOP("CommandSlotGroup", "Query")), 1,
                    3);
    grid->addWidget(slotButton(group, slot.responseSet, QT_TRANSLATE_NOOP("CommandSlotGroup", "Set")), 1, 4);
    return group;
}
