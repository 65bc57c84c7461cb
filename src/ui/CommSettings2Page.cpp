#include "ui/CommSettings2Page.h"

#include "ui/CommandSlotGroup.h"
#include "ui/Controls.h"
#include "ui/PageGrid.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The page's texts, for translation.
struct CommSettings2Page
{
    Q_DECLARE_TR_FUNCTIONS(CommSettings2Page)
};

// clang-format off
const CommandSlot pageSlots[] = {
    {"GroupBox8",  QT_TRANSLATE_NOOP("CommandSlotGroup", "Command 3"), "COMAD3", false, "COMDDATA3", {"CCOMBY1", "CCOMBY2", "CCOMBY3"}, "Button44", "Button39", "Button41", "Button43"},
    {"GroupBox15", QT_TRANSLATE_NOOP("CommandSlotGroup", "Command 4"), "COMAD4", false, "COMDDATA4", {"DCOMBY1", "DCOMBY2", "DCOMBY3"}, "Button54", "Button48", "Button49", "Button51"},
};
// clang-format on

QGroupBox *calibrationGroup(QWidget *page)
{
    QGroupBox *group = groupBox(page, QStringLiteral("GroupBox16"), CommSettings2Page::tr("Calibration"), {});
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(6, 4, 6, 4);
    row->addWidget(caption(group, QStringLiteral("Edit3"), CommSettings2Page::tr("Command:")));
    row->addWidget(
        fitChars(field(group, QStringLiteral("Edit3"), QStringLiteral("0103000000044409"), {}), 32));
    row->addWidget(snug(button(group, QStringLiteral("Button45"), CommSettings2Page::tr("Send"), {})));
    row->addStretch();
    return group;
}

} // namespace

void buildCommSettings2Page(QWidget *page)
{
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 6);
    for (const CommandSlot &slot : pageSlots) {
        auto *row = new QHBoxLayout;
        row->addWidget(commandSlotGroup(page, slot));
        row->addStretch();
        column->addLayout(row);
    }
    auto *row = new QHBoxLayout;
    row->addWidget(calibrationGroup(page));
    row->addStretch();
    column->addLayout(row);
    column->addStretch();
}
