#include "link/ExchangeSession.h"

#include "commands/ExchangeState.h"
#include "commands/Form.h"
#include "commands/HandlerError.h"
#include "link/GatewayReceive.h"
#include "link/SerialDevice.h"
#include "link/SerialReceive.h"
#include "link/TClientSocket.h"
#include "link/TComm.h"
#include "replies/ReplyDispatch.h"

#include <QEventLoop>
#include <QFileInfo>

namespace {

// The window's wait before it reads what the gateway has sent.
constexpr int GatewayReadWaitMs = 300;

// Where the port library looks for a port name: on POSIX systems a name without a
// path is in /dev, whatever the working folder holds.
QString systemLocation(const QString &name)
{
#ifdef Q_OS_UNIX
    if (!name.startsWith(u'/') && !name.startsWith(QLatin1String("./")) &&
        !name.startsWith(QLatin1String("../")))
        return QStringLiteral("/dev/") + name;
#endif
    return name;
}

// The window reports socket errors by their Windows Sockets numbers.
QString gatewayCause(const QString &fault)
{
    if (fault.contains(QLatin1String("10061")))
        return QStringLiteral("refused: is the gateway on, and listening on that port?");
    if (fault.contains(QLatin1String("10060")))
        return QStringLiteral("no answer in time: is the address right?");
    return QStringLiteral("the network refused the connection");
}

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

QString LinkTarget::name() const
{
    return isGateway() ? gatewayAddress + u':' + QString::number(gatewayPort) : serialDevice;
}

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
    : m_target(std::move(target)), m_form(form), m_exchange(exchange), m_quietMs(quietMs), m_trace(trace),
      m_serial(serial ? serial : new TComm(this)), m_gateway(gateway ? gateway : new TClientSocket(this)),
      m_tracedSerial(*m_serial, trace, "serial"), m_tracedGateway(*m_gateway, trace, "gateway"),
      m_send(form, exchange, m_tracedSerial, m_tracedGateway), m_borrowed(serial != nullptr)
{
    if (m_borrowed) {
        m_ownerGuard = m_gateway->notificationGuard();
        m_ownerOnConnect = m_gateway->OnConnect;
        m_ownerOnDisconnect = m_gateway->OnDisconnect;
        m_ownerOnRead = m_gateway->OnRead;
    }
    // Index 0 of the link-mode selector is the serial port, 1 the gateway.
    m_form.setIndex(QStringLiteral("ComboBox2"), m_target.isGateway() ? 1 : 0);
    m_silence.setSingleShot(true);
    m_silence.setTimerType(Qt::PreciseTimer);
    connect(&m_silence, &QTimer::timeout, this, [this] {
        m_silent = true;
        wake();
    });
    connect(m_serial, &TComm::ReceiveData, this, &ExchangeSession::serialPiece);
    connect(m_serial, &TComm::BytesArrived, this, &ExchangeSession::activity);
    connect(m_serial, &TComm::LineLost, this, [this] {
        m_lost = QStringLiteral("the line hung up: was the adapter pulled or the collector switched off?");
        wake();
    });
    m_gateway->setNotificationGuard([this](const std::function<void()> &event) {
        try {
            event();
        } catch (const HandlerError &error) {
            m_lost = error.message();
        }
        wake();
    });
    m_gateway->OnConnect = [this] { m_connected = true; };
    m_gateway->OnDisconnect = [this] {
        m_connected = false;
        m_lost = QStringLiteral("the gateway closed the connection");
        // The owner learns it too: its link is gone.
        if (m_ownerOnDisconnect)
            m_ownerOnDisconnect();
    };
    m_gateway->OnRead = [this] { gatewayReadable(); };
}

ExchangeSession::~ExchangeSession()
{
    if (m_borrowed) {
        m_gateway->setNotificationGuard(m_ownerGuard);
        m_gateway->OnConnect = m_ownerOnConnect;
        m_gateway->OnDisconnect = m_ownerOnDisconnect;
        m_gateway->OnRead = m_ownerOnRead;
        return;
    }
    m_gateway->OnDisconnect = nullptr;
    m_gateway->Close();
    m_serial->ClosePort();
}

void ExchangeSession::open()
{
    if (m_borrowed)
        openBorrowed();
    else if (m_target.isGateway())
        openGateway();
    else
        openSerial();
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
    m_exchange.PortOpen = true;
}

void ExchangeSession::openSerial()
{
    m_serial->CommName = m_target.serialDevice;
    try {
        m_serial->OpenPort();
    } catch (const HandlerError &) {
        // The port library opens a bare name in the system's device folder, not here.
        const QString opened = systemLocation(m_target.serialDevice);
        const QString where =
            opened == m_target.serialDevice ? QString() : QStringLiteral(" (opened as %1)").arg(opened);
        const QString here =
            opened != m_target.serialDevice && QFileInfo::exists(m_target.serialDevice)
                ? QStringLiteral("; for the one in this folder give ./%1").arg(m_target.serialDevice)
                : QString();
        throw SessionError(SessionError::Link,
                           QStringLiteral("%1: cannot open%2: %3%4")
                               .arg(m_target.name(), where, serialOpenCause(opened), here));
    }
    m_exchange.PortOpen = true;
}

void ExchangeSession::openGateway()
{
    try {
        m_gateway->setAddress(m_target.gatewayAddress.toLatin1());
        m_gateway->setPort(m_target.gatewayPort);
        m_gateway->Open();
    } catch (const HandlerError &error) {
        m_lost = error.message();
    }
    if (m_lost.isEmpty()) {
        m_silent = false;
        m_silence.start(m_quietMs);
        wait([this] { return m_connected; });
    }
    if (m_connected)
        return;
    if (!m_lost.isEmpty())
        throw SessionError(
            SessionError::Link,
            QStringLiteral("%1: cannot connect: %2 (%3)").arg(m_target.name(), gatewayCause(m_lost), m_lost));
    throw SessionError(SessionError::Link,
                       QStringLiteral("%1: no answer to the connection within %2 s: is the address right?")
                           .arg(m_target.name())
                           .arg(m_quietMs / 1000.0));
}

QByteArray ExchangeSession::exchange(const Command &command, const WholeAnswer &whole)
{
    QByteArray answer;
    for (int attempt = 0; answer.isEmpty(); ++attempt) {
        startStream(command);
        wait([&] {
            while (!m_pieces.isEmpty())
                answer += m_pieces.takeFirst();
            return !answer.isEmpty() && whole && whole(answer);
        });
        if (!m_lost.isEmpty() || (answer.isEmpty() && attempt >= m_retries))
            linkFailed();
    }
    m_waiting = false;
    deliver(answer);
    return answer;
}

void ExchangeSession::startStream(const Command &command)
{
    settle();
    if (!m_lost.isEmpty())
        linkFailed();
    m_pieces.clear();
    m_anyByte = false;
    m_waiting = true;
    m_send.send(command);
    m_silent = false;
    m_silence.start(m_quietMs);
}

std::optional<QByteArray> ExchangeSession::nextPiece()
{
    wait([this] { return !m_pieces.isEmpty(); });
    if (!m_pieces.isEmpty())
        return m_pieces.takeFirst();
    if (!m_lost.isEmpty() || !m_anyByte)
        linkFailed();
    m_waiting = false;
    return std::nullopt;
}

void ExchangeSession::abort(const QString &why)
{
    m_aborted = why;
    m_lost = why;
    wake();
}

void ExchangeSession::linkFailed() const
{
    if (!m_aborted.isEmpty())
        throw SessionError(SessionError::Link, m_aborted);
    if (!m_lost.isEmpty())
        throw SessionError(SessionError::Link, QStringLiteral("%1: %2").arg(m_target.name(), m_lost));
    throw SessionError(SessionError::Link,
                       QStringLiteral("%1: no answer within %2 s: is the collector on and linked?")
                           .arg(m_target.name())
                           .arg(m_quietMs / 1000.0));
}

void ExchangeSession::activity()
{
    m_lastByte.start();
    if (m_silence.isActive())
        m_silence.start(m_quietMs);
}

// Bytes of an earlier answer still on their way (the link frames a piece only after
// its quiet time) arrive before the next command goes out, and are dropped.
void ExchangeSession::settle()
{
    m_waiting = false;
    // A serial piece is handed on 100 ms after its last byte; gateway bytes are read
    // once their read wait is over.
    const int framingMs = m_target.isGateway() ? 0 : 120;
    while (m_lost.isEmpty() &&
           (m_readPending || (m_lastByte.isValid() && m_lastByte.elapsed() < framingMs))) {
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
    const QByteArray piece = m_gateway->ReceiveText();
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
    if (m_silence.isActive())
        m_silence.start(m_quietMs);
    wake();
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

void ExchangeSession::wake()
{
    if (m_wake)
        m_wake();
}

// Runs the event loop until `done`, the link is lost or the silence timer has run out.
void ExchangeSession::wait(const std::function<bool()> &done)
{
    auto over = [&] { return done() || !m_lost.isEmpty() || m_silent; };
    if (over())
        return;
    QEventLoop loop;
    m_wake = [&] {
        if (over())
            loop.quit();
    };
    loop.exec();
    m_wake = nullptr;
}
