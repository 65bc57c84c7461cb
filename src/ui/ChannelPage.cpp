#include "ui/ChannelPage.h"

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
#include <QVBoxLayout>

namespace {

// The page's texts, for translation.
struct ChannelPage
{
    Q_DECLARE_TR_FUNCTIONS(ChannelPage)
};

struct ChoiceRow
{
    const char *caption;
    const char *dropDown;
    int startIndex; // -1: starts showing item 1's text with no selection
    const char *button;
};

// clang-format off
const ChoiceRow adChannels[] = {
    {"AD01:", "AD01TNG", 1, "Button33"},
    {"AD02:", "AD02TNG", 2, "Button34"},
    {"AD03:", "AD03TNG", 7, "Button35"},
    {"AD04:", "AD04TNG", 8, "Button18"},
    {"AD05:", "AD05TNG", 0, "Button20"},
    {"AD06:", "AD06TNG", 0, "Button8"},
};
// The third row carries the first row's caption.
const ChoiceRow pulseChannels[] = {
    {QT_TRANSLATE_NOOP("ChannelPage", "P01 Channel:"), "INP1", -1, "Button22"},
    {QT_TRANSLATE_NOOP("ChannelPage", "P02 Channel:"), "INP2",  2, "Button23"},
    {QT_TRANSLATE_NOOP("ChannelPage", "P01 Channel:"), "INP3",  0, "Button17"},
};
const ChoiceRow digitalInputs[] = {
    {"DIN1:", "DIN1", 0, "Button46"},
    {"DIN2:", "DIN2", 0, "Button47"},
};

struct RangeRow
{
    const char *caption;
    const char *upper;
    const char *lower;
    const char *start;
    const char *button;
};
const RangeRow analogRanges[] = {
    {"AIN1:", "AD1H", "AD1L", "AD1LD", "Button40"},
    {"AIN2:", "AD2H", "AD2L", "AD2LD", "Button42"},
    {"AIN3:", "AD3H", "AD3L", "AD3LD", "Button24"},
    {"AIN4:", "AD4H", "AD4L", "AD4LD", "Button36"},
};

struct ValueRow
{
    const char *caption;
    const char *field;
    const char *button;
};
const ValueRow pulseBases[] = {
    {"PIN1:", "PUSET1", "Button52"},
    {"PIN2:", "PUSET2", "Button53"},
};
const ValueRow pulseEquivalents[] = {
    {"PIN1:", "DLA1", "Button95"},
    {"PIN2:", "DLA2", "Button96"},
};
// clang-format on

QPushButton *setButton(QWidget *group, const char *name)
{
    return snug(button(group, QLatin1String(name), ChannelPage::tr("Set"), {}));
}

template <std::size_t N>
QGroupBox *choiceGroup(QWidget *page, const char *name, const char *title, const ChoiceRow (&rows)[N],
                       const QStringList &items, int chars)
{
    QGroupBox *group = groupBox(page, QLatin1String(name), ChannelPage::tr(title), {});
    QGridLayout *grid = gridOf(group);
    int at = 0;
    for (const ChoiceRow &row : rows) {
        const QString control = QLatin1String(row.dropDown);
        grid->addWidget(caption(group, control, ChannelPage::tr(row.caption)), at, 0);
        QComboBox *box = row.startIndex < 0 ? dropDownShowing(group, control, items, items.at(1), {})
                                            : dropDown(group, control, items, row.startIndex, {});
        grid->addWidget(fitChars(box, chars), at, 1);
        grid->addWidget(setButton(group, row.button), at++, 2);
    }
    return group;
}

QGroupBox *rangeGroup(QWidget *page)
{
    QGroupBox *group =
        groupBox(page, QStringLiteral("GroupBox4"), ChannelPage::tr("Analog Range Configuration"), {});
    QGridLayout *grid = gridOf(group);
    const char *const headings[] = {QT_TRANSLATE_NOOP("ChannelPage", "URV"),
                                    QT_TRANSLATE_NOOP("ChannelPage", "LRV"),
                                    QT_TRANSLATE_NOOP("ChannelPage", "Starting Point")};
    for (int column = 0; column < 3; ++column)
        grid->addWidget(label(group, QStringLiteral("GroupBox4Heading%1").arg(column + 1),
                              ChannelPage::tr(headings[column]), {}),
                        0, column + 1);
    int at = 1;
    for (const RangeRow &row : analogRanges) {
        grid->addWidget(caption(group, QLatin1String(row.upper), ChannelPage::tr(row.caption)), at, 0);
        int column = 1;
        for (const char *name : {row.upper, row.lower, row.start})
            grid->addWidget(fitChars(field(group, QLatin1String(name), {}, {}), 7), at, column++);
        grid->addWidget(setButton(group, row.button), at++, column);
    }
    return group;
}

template <std::size_t N>
QGroupBox *valueGroup(QWidget *page, const char *name, const char *title, const ValueRow (&rows)[N],
                      int chars)
{
    QGroupBox *group = groupBox(page, QLatin1String(name), ChannelPage::tr(title), {});
    QGridLayout *grid = gridOf(group);
    int at = 0;
    for (const ValueRow &row : rows) {
        grid->addWidget(caption(group, QLatin1String(row.field), ChannelPage::tr(row.caption)), at, 0);
        grid->addWidget(fitChars(field(group, QLatin1String(row.field), {}, {}), chars), at, 1);
        grid->addWidget(setButton(group, row.button), at++, 2);
    }
    return group;
}

} // namespace

void buildChannelPage(QWidget *page)
{
    auto *columns = new QHBoxLayout(page);
    columns->setContentsMargins(8, 6, 8, 8);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    left->addWidget(choiceGroup(page, "GroupBox10",
                                QT_TRANSLATE_NOOP("ChannelPage", "AD Channel Configuration"), adChannels,
                                channelSources(), 29));
    left->addWidget(choiceGroup(page, "GroupBox14",
                                QT_TRANSLATE_NOOP("ChannelPage", "PU Channel Display Configuration"),
                                pulseChannels, pulseSources(), 30));
    left->addStretch();
    left->addWidget(button(page, QStringLiteral("Button128"), ChannelPage::tr("Read Parameters"), {}), 0,
                    Qt::AlignLeft);

    right->addWidget(choiceGroup(page, "GroupBox11",
                                 QT_TRANSLATE_NOOP("ChannelPage", "Digital Input Configuration"),
                                 digitalInputs, digitalInputModes(), 13));
    right->addWidget(rangeGroup(page));
    auto *pulseRow = new QHBoxLayout;
    pulseRow->addWidget(valueGroup(page, "GroupBox13",
                                   QT_TRANSLATE_NOOP("ChannelPage", "Pulse Base Value Configuration"),
                                   pulseBases, 9));
    pulseRow->addWidget(valueGroup(page, "GroupBox3", QT_TRANSLATE_NOOP("ChannelPage", "Pulse Equivalent"),
                                   pulseEquivalents, 9));
    right->addLayout(pulseRow);
    right->addStretch();
}
