#include "ui/GprsPage.h"

#include "commands/ItemLists.h"
#include "ui/Controls.h"
#include "ui/DropDown.h"
#include "ui/PageGrid.h"

#include <QCheckBox>
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
struct GprsPage
{
    Q_DECLARE_TR_FUNCTIONS(GprsPage)
};

struct FieldRow
{
    const char *field;
    const char *caption;
    int chars;
    const char *unitText;
    const char *button;
};

// clang-format off
const FieldRow loginRows[] = {
    {"APNname", QT_TRANSLATE_NOOP("GprsPage", "APN Network Access Point:"), 20, nullptr, "Button27"},
    {"DNSuser", QT_TRANSLATE_NOOP("GprsPage", "Username:"),                 20, nullptr, "Button147"},
    {"DNSpass", QT_TRANSLATE_NOOP("GprsPage", "Password:"),                 12, nullptr, "Button146"},
    {"Edit22",  QT_TRANSLATE_NOOP("GprsPage", "DNS:"),                      26, nullptr, "Button26"},
};
const FieldRow serverRows[] = {
    {"Edit18", QT_TRANSLATE_NOOP("GprsPage", "Port Number:"),        6, nullptr,                           "Button28"},
    {"Edit19", QT_TRANSLATE_NOOP("GprsPage", "Heartbeat Interval:"), 6, QT_TRANSLATE_NOOP("GprsPage", "S"), "Button29"},
    {"Edit20", QT_TRANSLATE_NOOP("GprsPage", "Redial Interval:"),    6, QT_TRANSLATE_NOOP("GprsPage", "S"), "Button30"},
};
// clang-format on

class SettingsColumn
{
public:
    SettingsColumn(QWidget *group, QGridLayout *grid) : m_group(group), m_grid(grid) {}

    void dropDownRow(const char *name, const char *text, const QStringList &items, int chars, const char *set)
    {
        const QString control = QLatin1String(name);
        m_grid->addWidget(caption(m_group, control, GprsPage::tr(text)), m_row, 0);
        m_grid->addWidget(fitChars(dropDown(m_group, control, items, 0, {}), chars), m_row, 1, Qt::AlignLeft);
        addSet(set);
    }

    void fieldRow(const FieldRow &row)
    {
        const QString control = QLatin1String(row.field);
        m_grid->addWidget(caption(m_group, control, GprsPage::tr(row.caption)), m_row, 0);
        auto *cell = new QHBoxLayout;
        cell->setSpacing(4);
        cell->addWidget(fitChars(field(m_group, control, {}, {}), row.chars));
        if (row.unitText)
            cell->addWidget(unit(m_group, control, GprsPage::tr(row.unitText)));
        cell->addStretch();
        m_grid->addLayout(cell, m_row, 1);
        addSet(row.button);
    }

    // "IP:" with four fields of three digits separated by points.
    void addressRow()
    {
        m_grid->addWidget(caption(m_group, QStringLiteral("IP1_1"), GprsPage::tr("IP:")), m_row, 0);
        auto *cell = new QHBoxLayout;
        cell->setSpacing(2);
        for (int part = 1; part <= 4; ++part) {
            const QString name = QStringLiteral("IP1_%1").arg(part);
            if (part > 1)
                cell->addWidget(label(m_group, name + QStringLiteral("Point"), QStringLiteral("."), {}));
            cell->addWidget(fitChars(field(m_group, name, {}, {}), 3));
        }
        cell->addStretch();
        m_grid->addLayout(cell, m_row, 1);
        addSet("Button25");
    }

private:
    void addSet(const char *name)
    {
        m_grid->addWidget(snug(button(m_group, QLatin1String(name), GprsPage::tr("Set"), {})), m_row++, 2);
    }

    QWidget *m_group;
    QGridLayout *m_grid;
    int m_row = 0;
};

void buildSettings(QWidget *group, QGridLayout *grid)
{
    SettingsColumn column(group, grid);
    column.dropDownRow("NETCS", QT_TRANSLATE_NOOP("GprsPage", "Network Type:"), networkTypes(), 9,
                       "Button38");
    for (const FieldRow &row : loginRows)
        column.fieldRow(row);
    column.addressRow();
    for (const FieldRow &row : serverRows)
        column.fieldRow(row);
    column.dropDownRow("ComboBox11", QT_TRANSLATE_NOOP("GprsPage", "TCP/UDP:"), transportProtocols(), 5,
                       "Button31");
    column.dropDownRow("ComboBox14", QT_TRANSLATE_NOOP("GprsPage", "GPRS Enable:"), gprsEnables(), 5,
                       "Button6");
}

void buildStatus(QWidget *group, QGridLayout *grid)
{
    int row = 0;
    const char *const flags[][2] = {
        {"CheckBox1", QT_TRANSLATE_NOOP("GprsPage", "Module Communication Failure")},
        {"CheckBox2", QT_TRANSLATE_NOOP("GprsPage", "SIM Card Not Detected")},
        {"CheckBox3", QT_TRANSLATE_NOOP("GprsPage", "Network Registration Failed")},
        {"CheckBox4", QT_TRANSLATE_NOOP("GprsPage", "GPRS Connection Failed")},
        {"CheckBox5", QT_TRANSLATE_NOOP("GprsPage", "GPRS Connection to Center Failed")}};
    for (const auto &flag : flags)
        grid->addWidget(checkBox(group, QLatin1String(flag[0]), GprsPage::tr(flag[1]), {}), row++, 0, 1, 2);

    grid->addWidget(caption(group, QStringLiteral("Label101"), GprsPage::tr("GSM Signal Strength:")), row, 0);
    grid->addWidget(label(group, QStringLiteral("Label101"), QStringLiteral("00"), {}), row++, 1);
    grid->addWidget(caption(group, QStringLiteral("Label3"), GprsPage::tr("Obtain IP Address:")), row, 0);
    QLabel *address = label(group, QStringLiteral("Label3"), {}, {});
    address->setMinimumWidth(address->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000.000")));
    grid->addWidget(address, row++, 1);

    grid->addWidget(caption(group, QStringLiteral("ComboBox22"), GprsPage::tr("Network Access Method:")), row,
                    0);
    grid->addWidget(
        fitChars(dropDown(group, QStringLiteral("ComboBox22"), gatewayAccessMethods(), 1, {}), 13), row++, 1,
        Qt::AlignLeft);
    grid->addWidget(caption(group, QStringLiteral("DNSIP"), GprsPage::tr("Connection Method:")), row, 0);
    grid->addWidget(fitChars(dropDown(group, QStringLiteral("DNSIP"), connectionMethods(), 1, {}), 6), row++,
                    1, Qt::AlignLeft);

    grid->setRowStretch(row++, 1);
    grid->addWidget(button(group, QStringLiteral("Button1"), GprsPage::tr("Read Parameters"), {}), row, 0, 1,
                    2, Qt::AlignLeft);
}

} // namespace

void buildGprsPage(QWidget *page)
{
    auto *pageLayout = new QHBoxLayout(page);
    pageLayout->setContentsMargins(8, 6, 8, 8);
    QGroupBox *group =
        groupBox(page, QStringLiteral("GroupBox9"), GprsPage::tr("GPRS Parameter Configuration"), {});
    pageLayout->addWidget(group);

    auto *columns = new QHBoxLayout(group);
    columns->setContentsMargins(8, 4, 8, 8);
    columns->setSpacing(24);
    auto *settings = new QGridLayout;
    settings->setVerticalSpacing(2);
    settings->setHorizontalSpacing(4);
    buildSettings(group, settings);
    auto *status = new QGridLayout;
    status->setVerticalSpacing(4);
    buildStatus(group, status);
    columns->addLayout(settings);
    columns->addLayout(status);
    columns->addStretch();
}
