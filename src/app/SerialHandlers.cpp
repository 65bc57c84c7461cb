// The link mode, the serial port's Open/Close, a piece received and the parse timer.
#include "app/Tmainform1.h"

#include "app/DataWatch.h"
#include "app/ProfileActions.h"
#include "commands/CommandTable.h"
#include "commands/ExchangeState.h"
#include "commands/Gbk.h"
#include "link/SerialReceive.h"
#include "link/TComm.h"
#include "replies/ReplyDispatch.h"

#include <QComboBox>
#include <QTimer>

void Tmainform1::runCommand(const CommandRow &row)
{
    m_send.send(buildCommand(row, m_form));
}

void Tmainform1::ComboBox2Change()
{
    const bool serial = m_form.index(QStringLiteral("ComboBox2")) == 0;
    m_form.setEnabled(QStringLiteral("SPREALCOM"), serial);
    m_form.setEnabled(QStringLiteral("Button10"), serial);
    m_form.setEnabled(QStringLiteral("Button13"), !serial);
    m_form.setEnabled(QStringLiteral("Button9"), !serial);
    m_form.setEnabled(QStringLiteral("Button37"), !serial);
    m_form.setEnabled(QStringLiteral("TabSheet1"), serial);
}

void Tmainform1::Button10Click()
{
    if (!m_exchange.PortOpen) {
        m_form.setText(QStringLiteral("Button10"), toGbk(tr("Close")));
        m_exchange.PortOpen = true;
        Comm1->ClosePort();
        Comm1->CommName = findChild<QComboBox *>(QStringLiteral("SPREALCOM"))->currentText();
        Comm1->OpenPort();
        m_form.setEnabled(QStringLiteral("Button19"), true);
        m_form.setEnabled(QStringLiteral("Button14"), true);
    } else {
        m_form.setText(QStringLiteral("Button10"), toGbk(tr("Open")));
        m_exchange.PortOpen = false;
        m_watch->linkEnded();
        Comm1->ClosePort();
        m_form.setEnabled(QStringLiteral("Button14"), false);
    }
}

void Tmainform1::Comm1ReceiveData(const QByteArray &piece)
{
    // While a profile action runs, its pieces are its own: the parse timer never sees them.
    if (m_profiles->running())
        return;
    m_trace.received("serial", piece);
    serialPieceReceived(m_form, m_exchange, piece, [this] { startParseTimer(); });
}

void Tmainform1::startParseTimer()
{
    // A running countdown is left as it is: the parse follows the first piece by 200 ms.
    if (!Timer6->isActive())
        Timer6->start();
}

void Tmainform1::Timer6Timer()
{
    Timer6->stop();
    m_watch->parsing(m_exchange);
    parseReply(m_form, m_exchange);
}
