#include "ui/EthernetGroup.h"

#include "ui/Controls.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The page's texts, for translation.
struct EthernetGroup
{
    Q_DECLARE_TR_FUNCTIONS(EthernetGroup)
};

// A field wide enough for that many characters of the window's font.
QLineEdit *sized(QLineEdit *edit, int chars)
{
    edit->setFixedWidth(QFontMetrics(edit->font()).horizontalAdvance(QLatin1Char('0')) * chars + 12);
    return edit;
}

} // namespace

QGroupBox *buildEthernetGroup(QWidget *page)
{
    QGroupBox *group = groupBox(page, QStringLiteral("GroupBox6"),
                                EthernetGroup::tr("Ethernet Params Config"), {8, 66, 777, 50});
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(4, 2, 4, 4);
    row->setSpacing(4);

    row->addWidget(label(group, QStringLiteral("Edit6Caption"), EthernetGroup::tr("Target IP Address:"), {}));
    row->addWidget(sized(field(group, QStringLiteral("Edit6"), QStringLiteral("192.168.0.88"), {}), 12));
    row->addWidget(label(group, QStringLiteral("Edit34Caption"), EthernetGroup::tr("Port Number:"), {}));
    row->addWidget(sized(field(group, QStringLiteral("Edit34"), QStringLiteral("7000"), {}), 5));
    QLabel *status = label(group, QStringLiteral("Label146"), QStringLiteral("***"), {});
    status->setMinimumWidth(
        QFontMetrics(status->font()).horizontalAdvance(QStringLiteral("Connection Failed")));
    row->addWidget(status, 1);
    QPushButton *connectButton = button(group, QStringLiteral("Button13"), EthernetGroup::tr("Connect"), {});
    connectButton->setEnabled(false); // until the gateway is picked as the link
    row->addWidget(connectButton);
    row->addWidget(button(group, QStringLiteral("Button9"), EthernetGroup::tr("Disconnect"), {}));
    row->addWidget(button(group, QStringLiteral("Button37"), EthernetGroup::tr("Gateway Params Query"), {}));
    return group;
}
