#include "link/ExchangeSession.h"

#include "commands/ExchangeState.h"
#include "commands/Form.h"
#include "commands/HandlerError.h"
#include "commands/LinkMode.h"
#include "link/BorrowedGateway.h"
#include "link/GatewayReceive.h"
#include "link/LinkOpening.h"
#include "link/SerialReceive.h"
#include "link/SessionWait.h"
#include "link/SocketError.h"
#include "link/TClientSocket.h"
#include "link/TComm.h"
#include "replies/ReplyDispatch.h"

#include <QEventLoop>

namespace {

// The window's wait before it reads what the gateway has sent.
constexpr int GatewayReadWaitMs = 300;

// The link an owner has opened, by its name.
LinkTarget borrowedTarget(const TComm &serial, const TClientSocket &gateway, bool viaGateway)
{
    LinkTarget target;
    if (viaGateway) {
        target.gatewayAddress = QString::fromLatin1(gateway.Address());
        target.gatewayPort = gateway.targetPort();
    } else {
        target.serialDevice = serial.CommName.isEmpty() ? QStringLiteral("the serial port") : serial.CommName;
    }
    return target;
}

} // namespace

ExchangeSession::ExchangeSession(LinkTarget target, Form &form, ExchangeState &exchange, int quietMs,
                                 Trace &trace)
    : ExchangeSession(std::move(target), nullptr, nullptr, form, exchange, quietMs, trace)
{
}

ExchangeSession::ExchangeSession(TComm &serial, TClientSocket &gateway, bool viaGateway, Form &form,
                                 ExchangeState &exchange, int quietMs, Trace &trace)
    : ExchangeSession(borrowedTarget(serial, gateway, viaGateway), &serial, &gateway, form, exchange, quietMs,
                      trace)
{
}

ExchangeSession::ExchangeSession(LinkTarget target, TComm *serial, TClientSocket *gateway, Form &form,
                                 ExchangeState &exchange, int quietMs, Trace &trace)
    : m_target(std::move(target)), m_form(form), m_exchange(exchange), m_trace(trace),
      m_wait(new SessionWait(quietMs, this)), m_serial(serial ? serial : new TComm(this)),
      m_gateway(gateway ? gateway : new TClientSocket(this)), m_tracedSerial(*m_serial, trace, "serial"),
      m_tracedGateway(*m_gateway, trace, "gateway"), m_send(form, exchange, m_tracedSerial, m_tracedGateway)
{
    if (serial)
        m_borrowed = std::make_unique<BorrowedGateway>(*m_gateway);
    setLinkMode(m_form, m_target.isGateway());
    connect(m_serial, &TComm::ReceiveData, this, &ExchangeSession::serialPiece);
    connect(m_serial, &TComm::BytesArrived, this, &ExchangeSession::activity);
    connect(m_serial, &TComm::LineLost, this, [this] {
        m_wait->lose(
            QStringLiteral("the line hung up: was the adapter pulled or the collector switched off?"));
    });
    takeGatewayEvents();
}

ExchangeSession::~ExchangeSession()
{
    if (m_borrowed) {
        m_borrowed.reset();
        return;
    }
    m_gateway->OnDisconnect = nullptr;
    m_gateway->Close();
    m_serial->ClosePort();
}

void ExchangeSession::takeGatewayEvents()
{
    m_gateway->setNotificationGuard([this](const std::function<void()> &event) {
        try {
            event();
        } catch (const SocketError &error) {
            m_connectError = error.number();
            m_wait->lose(error.message());
        } catch (const HandlerError &error) {
            m_wait->lose(error.message());
        }
        m_wait->wake();
    });
    m_gateway->OnConnect = [this] { m_connected = true; };
    m_gateway->OnDisconnect = [this] {
        m_connected = false;
        m_wait->lose(QStringLiteral("the gateway closed the connection"));
        // The owner learns it too: its link is gone.
        if (m_borrowed)
            m_borrowed->tellOwnerDisconnected();
    };
    m_gateway->OnRead = [this] { gatewayReadable(); };
}

void ExchangeSession::open()
{
    if (m_borrowed) {
        openBorrowed();
        m_exchange.PortOpen = true;
    } else if (m_target.isGateway()) {
        openGateway();
    } else {
        openSerialTarget(*m_serial, m_target);
        m_exchange.PortOpen = true;
    }
}

void ExchangeSession::openBorrowed()
{
    if (m_target.isGateway()) {
        m_connected = m_gateway->Active();
        if (!m_connected)
            throw SessionError(SessionError::Link,
                               QStringLiteral("not connected to the gateway: click \"Connect\" first"));
    } else if (!m_serial->isOpen()) {
        throw SessionError(SessionError::Link,
                           QStringLiteral("the serial port is not open: pick it and click \"Open\" first"));
    }
}

void ExchangeSession::openGateway()
{
    try {
        m_gateway->setAddress(m_target.gatewayAddress.toLatin1());
        m_gateway->setPort(m_target.gatewayPort);
        m_gateway->Open();
    } catch (const SocketError &error) {
        m_connectError = error.number();
        m_wait->lose(error.message());
    }
    if (!m_wait->lost()) {
        m_wait->startQuiet();
        m_wait->wait([this] { return m_connected; });
    }
    if (m_connected)
        return;
    if (m_wait->lost())
        throw SessionError(SessionError::Link,
                           QStringLiteral("%1: cannot connect: %2 (%3)")
                               .arg(m_target.name(), gatewayCause(m_connectError), m_wait->why()));
    throw SessionError(SessionError::Link,
                       QStringLiteral("%1: no answer to the connection within %2 s: is the address right?")
                           .arg(m_target.name())
                           .arg(m_wait->quietMs() / 1000.0));
}

void ExchangeSession::abort(const QString &why)
{
    m_aborted = why;
    m_wait->lose(why);
}

QByteArray ExchangeSession::exchange(const Command &command, const WholeAnswer &whole)
{
    QByteArray answer;
    for (int attempt = 0; answer.isEmpty(); ++attempt) {
        startStream(command);
        m_wait->wait([&] {
            while (!m_pieces.isEmpty())
                answer += m_pieces.takeFirst();
            return !answer.isEmpty() && whole && whole(answer);
        });
        if (m_wait->lost() || (answer.isEmpty() && attempt >= m_retries))
            linkFailed();
    }
    m_waiting = false;
    deliver(answer);
    return answer;
}

void ExchangeSession::startStream(const Command &command)
{
    settle();
    if (m_wait->lost())
        linkFailed();
    m_pieces.clear();
    m_anyByte = false;
    m_waiting = true;
    try {
        m_send.send(command);
    } catch (const HandlerError &error) {
        // A send the socket refuses (a reset connection) ends the session's link.
        m_wait->lose(error.message());
        linkFailed();
    }
    m_wait->startQuiet();
}

std::optional<QByteArray> ExchangeSession::nextPiece()
{
    m_wait->wait([this] { return !m_pieces.isEmpty(); });
    if (!m_pieces.isEmpty())
        return m_pieces.takeFirst();
    if (m_wait->lost() || !m_anyByte)
        linkFailed();
    m_waiting = false;
    return std::nullopt;
}

void ExchangeSession::linkFailed() const
{
    if (!m_aborted.isEmpty())
        throw SessionError(SessionError::Link, m_aborted);
    if (m_wait->lost())
        throw SessionError(SessionError::Link, QStringLiteral("%1: %2").arg(m_target.name(), m_wait->why()));
    throw SessionError(SessionError::Link,
                       QStringLiteral("%1: no answer within %2 s: is the collector on and linked?")
                           .arg(m_target.name())
                           .arg(m_wait->quietMs() / 1000.0));
}

void ExchangeSession::activity()
{
    m_lastByte.start();
    m_wait->heardSomething();
}

// Bytes of an earlier answer still on their way (the link frames a piece only after
// its quiet time) arrive before the next command goes out, and are dropped.
void ExchangeSession::settle()
{
    m_waiting = false;
    // A serial piece is handed on 100 ms after its last byte; gateway bytes are read
    // once their read wait is over.
    const int framingMs = m_target.isGateway() ? 0 : 120;
    while (!m_wait->lost() && (m_readPending || (m_lastByte.isValid() && m_lastByte.elapsed() < framingMs))) {
        QEventLoop loop;
        QTimer::singleShot(m_readPending ? 20 : int(framingMs - m_lastByte.elapsed()), Qt::PreciseTimer,
                           &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void ExchangeSession::serialPiece(const QByteArray &piece)
{
    m_trace.received("serial", piece);
    received(piece);
}

void ExchangeSession::gatewayReadable()
{
    activity();
    if (m_readPending)
        return;
    m_readPending = true;
    QTimer::singleShot(GatewayReadWaitMs, Qt::PreciseTimer, this, &ExchangeSession::readGateway);
}

void ExchangeSession::readGateway()
{
    m_readPending = false;
    QByteArray piece;
    try {
        piece = m_gateway->ReceiveText();
    } catch (const HandlerError &error) {
        m_wait->lose(error.message());
        return;
    }
    if (piece.isEmpty())
        return;
    m_trace.received("gateway", piece);
    received(piece);
}

void ExchangeSession::received(const QByteArray &piece)
{
    if (!m_waiting)
        return;
    m_anyByte = true;
    m_pieces.append(piece);
    m_wait->heardSomething();
    m_wait->wake();
}

// The whole answer through the window's receive path, as if it had come in one piece.
void ExchangeSession::deliver(const QByteArray &answer)
{
    bool parseDue = false;
    try {
        if (m_target.isGateway())
            gatewayDataReadable(
                m_form, m_exchange, [&answer] { return answer; }, [&parseDue] { parseDue = true; });
        else
            serialPieceReceived(m_form, m_exchange, answer, [&parseDue] { parseDue = true; });
        if (parseDue)
            parseReply(m_form, m_exchange);
    } catch (const HandlerError &error) {
        throw SessionError(
            SessionError::Answer,
            QStringLiteral("%1: the answer \"%2\" does not read: %3")
                .arg(m_target.name(), QString::fromLatin1(escapedBytes(answer)), error.message()));
    }
}
