#include "ui/SystemParameterPage.h"

#include "commands/ItemLists.h"
#include "link/SerialPortNames.h"
#include "ui/Controls.h"
#include "ui/DropDown.h"
#include "ui/EthernetGroup.h"
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
struct SystemParameterPage
{
    Q_DECLARE_TR_FUNCTIONS(SystemParameterPage)
};

void buildLinkControls(QWidget *page)
{
    label(page, QStringLiteral("ComboBox2Caption"), SystemParameterPage::tr("Communication Connection:"),
          {8, 12, 160, 16});
    dropDown(page, QStringLiteral("ComboBox2"), linkModes(), 0, {168, 8, 182, 22});
    label(page, QStringLiteral("SPREALCOMCaption"), SystemParameterPage::tr("COM Port:"), {356, 12, 56, 16});
    // The window adds the system's own ports once it has them (lookForSystemPorts).
    dropDown(page, QStringLiteral("SPREALCOM"), fixedPortChoices(), 0, {414, 8, 100, 22});
    // Usable once a link mode is picked and the port is open.
    button(page, QStringLiteral("Button10"), SystemParameterPage::tr("Open"), {520, 7, 75, 25})
        ->setEnabled(false);
    button(page, QStringLiteral("Button14"), SystemParameterPage::tr("Communication Test"), {603, 7, 130, 25})
        ->setEnabled(false);

    label(page, QStringLiteral("MKXINGHAOCaption"), SystemParameterPage::tr("Model Number:"),
          {8, 42, 140, 16});
    dropDown(page, QStringLiteral("MKXINGHAO"), modelNumbers(), 0, {168, 38, 170, 22});
    button(page, QStringLiteral("Button15"), SystemParameterPage::tr("Set"), {346, 37, 60, 25})->hide();
}

// One row per setting, each with its own "Set" button at the right edge.
void buildSystemGroup(QWidget *page)
{
    QGroupBox *group = groupBox(page, QStringLiteral("GroupBox7"),
                                SystemParameterPage::tr("System Parameter"), {8, 120, 777, 188});
    QGridLayout *grid = gridOf(group);
    constexpr int SetColumn = 12;
    grid->setColumnStretch(SetColumn - 1, 1);
    auto setButton = [&](const char *name, int row) {
        grid->addWidget(snug(button(group, QLatin1String(name), SystemParameterPage::tr("Set"), {})), row,
                        SetColumn);
    };
    auto single = [&](int row, const QString &name, const QString &text, QWidget *control) {
        grid->addWidget(caption(group, name, text), row, 0);
        grid->addWidget(control, row, 1, 1, 4, Qt::AlignLeft);
    };

    single(0, QStringLiteral("Edit7"), SystemParameterPage::tr("Station Number:"),
           fitChars(field(group, QStringLiteral("Edit7"), QStringLiteral("00000"), {}), 7));
    setButton("Button4", 0);

    grid->addWidget(
        caption(group, QStringLiteral("ComboBox3"), SystemParameterPage::tr("Verification Time:")), 1, 0);
    struct TimePart
    {
        const char *name;
        QStringList items;
        const char *unitText;
    };
    const TimePart clock[] = {
        {"ComboBox3", twoDigitRange(12, 50), QT_TRANSLATE_NOOP("SystemParameterPage", "Y")},
        {"ComboBox4", twoDigitRange(1, 12), QT_TRANSLATE_NOOP("SystemParameterPage", "M")},
        {"ComboBox5", twoDigitRange(1, 31), QT_TRANSLATE_NOOP("SystemParameterPage", "D")},
        {"ComboBox6", twoDigitRange(0, 23), QT_TRANSLATE_NOOP("SystemParameterPage", "H")},
        {"ComboBox7", twoDigitRange(0, 59), QT_TRANSLATE_NOOP("SystemParameterPage", "Min")}};
    int column = 1;
    for (const TimePart &part : clock) {
        const QString name = QLatin1String(part.name);
        // The hour starts showing "00" without a selection.
        QComboBox *box = name == QLatin1String("ComboBox6")
                             ? dropDownShowing(group, name, part.items, QStringLiteral("00"), {})
                             : dropDown(group, name, part.items, 0, {});
        grid->addWidget(fitChars(box, 3), 1, column++);
        grid->addWidget(unit(group, name, SystemParameterPage::tr(part.unitText)), 1, column++);
    }
    setButton("Button5", 1);

    single(2, QStringLiteral("ComboBox8"), SystemParameterPage::tr("IP Center Transmission Cycle:"),
           fitChars(dropDownShowing(group, QStringLiteral("ComboBox8"), transmissionCycles(),
                                    QStringLiteral("1min"), {}),
                    9));
    setButton("Button3", 2);

    single(3, QStringLiteral("ComboBox9"), SystemParameterPage::tr("Data Retention Period:"),
           fitChars(dropDown(group, QStringLiteral("ComboBox9"), retentionPeriods(), 3, {}), 9));
    setButton("Button2", 3);

    grid->addWidget(caption(group, QStringLiteral("Edit2"), SystemParameterPage::tr("Power Output Delay:")),
                    4, 0);
    auto *delay = new QHBoxLayout;
    delay->setSpacing(4);
    delay->addWidget(fitChars(field(group, QStringLiteral("Edit2"), QStringLiteral("02"), {}), 4));
    delay->addWidget(unit(group, QStringLiteral("Edit2"), SystemParameterPage::tr("S")));
    delay->addStretch();
    grid->addLayout(delay, 4, 1, 1, 4);
    setButton("Button50", 4);
}

} // namespace

void buildSystemParameterPage(QWidget *page)
{
    buildLinkControls(page);
    buildEthernetGroup(page);
    buildSystemGroup(page);
    button(page, QStringLiteral("Button32"), SystemParameterPage::tr("Read Parameters"), {200, 318, 180, 33});
    button(page, QStringLiteral("Button19"), SystemParameterPage::tr("Parameter Initialization"),
           {420, 318, 180, 33});
    label(page, QStringLiteral("Label20"), {}, {0, 344, 57, 22});
}
