#include "ctl/LinkSession.h"

#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "ctl/ExitStatus.h"
#include "ctl/HeadlessForm.h"
#include "link/GatewayReceive.h"
#include "link/SerialDevice.h"
#include "link/SerialReceive.h"
#include "link/TClientSocket.h"
#include "link/TComm.h"
#include "replies/ReplyDispatch.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// The window's wait before it reads what the gateway has sent.
constexpr int GatewayReadWaitMs = 300;

// The window reports socket errors by their Windows Sockets numbers.
QString gatewayCause(const QString &fault)
{
    if (fault.contains(QLatin1String("10061")))
        return QStringLiteral("refused: is the gateway on, and listening on that port?");
    if (fault.contains(QLatin1String("10060")))
        return QStringLiteral("no answer in time: is the address right?");
    return QStringLiteral("the network refused the connection");
}

} // namespace

QString LinkTarget::name() const
{
    return isGateway() ? gatewayAddress + u':' + QString::number(gatewayPort) : serialDevice;
}

LinkSession::LinkSession(LinkTarget target, HeadlessForm &form, ExchangeState &exchange, int timeoutMs,
                         Trace &trace)
    : m_target(std::move(target)), m_form(form), m_exchange(exchange), m_timeoutMs(timeoutMs), m_trace(trace),
      m_serial(new TComm(this)), m_gateway(new TClientSocket(this)),
      m_tracedSerial(*m_serial, trace, "serial"), m_tracedGateway(*m_gateway, trace, "gateway"),
      m_send(form, exchange, m_tracedSerial, m_tracedGateway)
{
    // Index 0 of the link-mode selector is the serial port, 1 the gateway.
    m_form.setIndex(QStringLiteral("ComboBox2"), m_target.isGateway() ? 1 : 0);
    connect(m_serial, &TComm::ReceiveData, this, &LinkSession::serialPiece);
    m_gateway->setNotificationGuard([this](const std::function<void()> &event) {
        try {
            event();
        } catch (const HandlerError &error) {
            m_fault = error.message();
        }
        wake();
    });
    m_gateway->OnConnect = [this] { m_connected = true; };
    m_gateway->OnDisconnect = [this] {
        m_connected = false;
        m_fault = QStringLiteral("the gateway closed the connection");
    };
    m_gateway->OnRead = [this] { gatewayReadable(); };
}

LinkSession::~LinkSession()
{
    m_gateway->OnDisconnect = nullptr;
    m_gateway->Close();
    m_serial->ClosePort();
}

void LinkSession::open()
{
    if (m_target.isGateway())
        openGateway();
    else
        openSerial();
}

void LinkSession::openSerial()
{
    m_serial->CommName = m_target.serialDevice;
    try {
        m_serial->OpenPort();
    } catch (const HandlerError &) {
        throw CtlFailure(LinkError, QStringLiteral("%1: cannot open: %2")
                                        .arg(m_target.name(), serialOpenCause(m_target.serialDevice)));
    }
    m_exchange.PortOpen = true;
}

void LinkSession::openGateway()
{
    try {
        m_gateway->setAddress(m_target.gatewayAddress.toLatin1());
        m_gateway->setPort(m_target.gatewayPort);
        m_gateway->Open();
    } catch (const HandlerError &error) {
        m_fault = error.message();
    }
    if (m_fault.isEmpty())
        waitFor([this] { return m_connected || !m_fault.isEmpty(); }, m_timeoutMs);
    if (m_connected)
        return;
    if (!m_fault.isEmpty())
        throw CtlFailure(LinkError, QStringLiteral("%1: cannot connect: %2 (%3)")
                                        .arg(m_target.name(), gatewayCause(m_fault), m_fault));
    throw CtlFailure(LinkError,
                     QStringLiteral("%1: no answer to the connection within %2 s: is the address right?")
                         .arg(m_target.name())
                         .arg(m_timeoutMs / 1000.0));
}

QByteArray LinkSession::exchange(const Command &command)
{
    m_pieces.clear();
    m_parseFault.clear();
    m_send.send(command);
    if (!waitFor([this] { return !m_pieces.isEmpty() || !m_fault.isEmpty(); }, m_timeoutMs) ||
        m_pieces.isEmpty())
        noAnswer();
    if (!m_parseFault.isEmpty())
        throw CtlFailure(
            CollectorDiffers,
            QStringLiteral("%1: the answer \"%2\" does not read: %3")
                .arg(m_target.name(), QString::fromLatin1(escapedBytes(m_pieces.first())), m_parseFault));
    return m_pieces.takeFirst();
}

std::optional<QByteArray> LinkSession::nextPiece(int quietMs)
{
    if (m_pieces.isEmpty() && !waitFor([this] { return !m_pieces.isEmpty() || !m_fault.isEmpty(); }, quietMs))
        return std::nullopt;
    if (m_pieces.isEmpty())
        noAnswer();
    return m_pieces.takeFirst();
}

void LinkSession::noAnswer() const
{
    if (!m_fault.isEmpty())
        throw CtlFailure(LinkError, QStringLiteral("%1: %2").arg(m_target.name(), m_fault));
    throw CtlFailure(LinkError, QStringLiteral("%1: no answer within %2 s: is the collector on and linked?")
                                    .arg(m_target.name())
                                    .arg(m_timeoutMs / 1000.0));
}

void LinkSession::serialPiece(const QByteArray &piece)
{
    m_trace.received("serial", piece);
    bool parseDue = false;
    try {
        serialPieceReceived(m_form, m_exchange, piece, [&parseDue] { parseDue = true; });
    } catch (const HandlerError &error) {
        m_parseFault = error.message();
    }
    whole(piece, parseDue);
}

void LinkSession::gatewayReadable()
{
    if (m_readPending)
        return;
    m_readPending = true;
    QTimer::singleShot(GatewayReadWaitMs, Qt::PreciseTimer, this, &LinkSession::readGateway);
}

void LinkSession::readGateway()
{
    m_readPending = false;
    QByteArray piece;
    bool parseDue = false;
    try {
        gatewayDataReadable(
            m_form, m_exchange,
            [this, &piece] {
                piece = m_gateway->ReceiveText();
                return piece;
            },
            [&parseDue] { parseDue = true; });
    } catch (const HandlerError &error) {
        m_parseFault = error.message();
    }
    if (piece.isEmpty())
        return;
    m_trace.received("gateway", piece);
    whole(piece, parseDue);
}

void LinkSession::whole(const QByteArray &piece, bool parseDue)
{
    if (parseDue) {
        try {
            parseReply(m_form, m_exchange);
        } catch (const HandlerError &error) {
            m_parseFault = error.message();
        }
    }
    m_pieces.append(piece);
    wake();
}

void LinkSession::wake()
{
    if (m_wake)
        m_wake();
}

bool LinkSession::waitFor(const std::function<bool()> &done, int ms)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_wake = [&] {
        if (done())
            loop.quit();
    };
    limit.start(ms);
    loop.exec();
    m_wake = nullptr;
    return done();
}
