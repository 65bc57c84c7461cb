#include "ui/EthernetGroup.h"

#include "ui/Controls.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A field wide enough for that many characters of the window's font.
QLineEdit *sized(QLineEdit *edit, int chars)
{
    edit->setFixedWidth(QFontMetrics(edit->font()).horizontalAdvance(QLatin1Char('0')) * chars + 12);
    return edit;
}

} // namespace

QGroupBox *buildEthernetGroup(QWidget *page)
{
    QGroupBox *group = groupBox(page, QStringLiteral("GroupBox6"), QStringLiteral("Ethernet Params Config"),
                                {8, 66, 777, 50});
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(4, 2, 4, 4);
    row->setSpacing(4);

    row->addWidget(label(group, QStringLiteral("Edit6Caption"), QStringLiteral("Target IP Address:"), {}));
    row->addWidget(sized(field(group, QStringLiteral("Edit6"), QStringLiteral("192.168.0.88"), {}), 12));
    row->addWidget(label(group, QStringLiteral("Edit34Caption"), QStringLiteral("Port Number:"), {}));
    row->addWidget(sized(field(group, QStringLiteral("Edit34"), QStringLiteral("7000"), {}), 5));
    QLabel *status = label(group, QStringLiteral("Label146"), QStringLiteral("***"), {});
    status->setMinimumWidth(
        QFontMetrics(status->font()).horizontalAdvance(QStringLiteral("Connection Failed")));
    row->addWidget(status, 1);
    QPushButton *connectButton = button(group, QStringLiteral("Button13"), QStringLiteral("Connect"), {});
    connectButton->setEnabled(false); // until the gateway is picked as the link
    row->addWidget(connectButton);
    row->addWidget(button(group, QStringLiteral("Button9"), QStringLiteral("Disconnect"), {}));
    row->addWidget(button(group, QStringLiteral("Button37"), QStringLiteral("Gateway Params Query"), {}));
    return group;
}
