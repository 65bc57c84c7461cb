// The window's handlers of the gateway link: Connect, Disconnect, the gateway
// configuration program and the events of the TCP client.
#include "app/Tmainform1.h"

#include "app/DataWatch.h"
#include "app/HandlerGuard.h"
#include "commands/ExchangeState.h"
#include "commands/Gbk.h"
#include "commands/IntegerConversion.h"
#include "link/GatewayReceive.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QThread>

namespace {

const QString Status = QStringLiteral("Label146");

} // namespace

void Tmainform1::bindGatewayHandlers()
{
    const std::pair<const char *, void (Tmainform1::*)()> buttons[] = {
        {"Button13", &Tmainform1::Button13Click},
        {"Button9", &Tmainform1::Button9Click},
        {"Button37", &Tmainform1::Button37Click},
    };
    for (const auto &[name, handler] : buttons)
        if (auto *b = findChild<QPushButton *>(QLatin1String(name)))
            connect(b, &QPushButton::clicked, this,
                    [this, handler] { guarded(this, [&] { (this->*handler)(); }); });

    ClientSocket1->setNotificationGuard([this](const std::function<void()> &event) { guarded(this, event); });
    ClientSocket1->OnConnecting = [this] { ClientSocket1Connecting(); };
    ClientSocket1->OnConnect = [this] { ClientSocket1Connect(); };
    ClientSocket1->OnDisconnect = [this] { ClientSocket1Disconnect(); };
    ClientSocket1->OnError = [this](TErrorEvent event, int &code) { ClientSocket1Error(event, code); };
    ClientSocket1->OnRead = [this] { ClientSocket1Read(); };
}

void Tmainform1::Button13Click()
{
    ClientSocket1->setAddress(m_form.text(QStringLiteral("Edit6")));
    ClientSocket1->setPort(toInteger(m_form.text(QStringLiteral("Edit34"))));
    m_form.setEnabled(QStringLiteral("Button14"), true);
    if (!ClientSocket1->Active())
        ClientSocket1->Open();
}

void Tmainform1::Button9Click()
{
    m_watch->linkEnded();
    ClientSocket1->Close();
    m_form.setText(Status, toGbk(tr("Disconnected")));
}

void Tmainform1::Button37Click()
{
    // Started without a shell and without arguments; when it is missing, nothing is said.
    QProcess::startDetached(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("GWCFG.EXE")), {});
}

void Tmainform1::ClientSocket1Connecting()
{
    m_form.setText(Status, toGbk(tr("Connecting!")));
}

void Tmainform1::ClientSocket1Connect()
{
    m_form.setText(Status, toGbk(tr("Connected")));
}

void Tmainform1::ClientSocket1Disconnect()
{
    m_form.setText(Status, toGbk(tr("Disconnected")));
    m_watch->linkEnded();
    ClientSocket1->Close();
}

void Tmainform1::ClientSocket1Error(TErrorEvent, int &)
{
    // The code stays as it is, so the client goes on to raise the error.
    m_form.setText(Status, toGbk(tr("Connection Failed")));
    m_watch->linkEnded();
}

void Tmainform1::ClientSocket1Read()
{
    // The rest of the answer gets time to arrive; the window waits with it.
    QThread::msleep(300);
    gatewayDataReadable(
        m_form, m_exchange,
        [this] {
            const QByteArray piece = ClientSocket1->ReceiveText();
            if (!piece.isEmpty())
                m_trace.received("gateway", piece);
            return piece;
        },
        [this] { startParseTimer(); });
}
