#include "link/TClientSocket.h"

#include "link/SocketError.h"
#include "link/SocketErrorNumbers.h"

#include <QHostAddress>
#include <QNetworkProxy>
#include <QTcpSocket>

// The one system call of this file: a look at the next byte without taking it.
#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

#include <cerrno>

namespace {

constexpr int AddressNotAvailable = 10049;
constexpr int DestinationAddressRequired = 10039;

} // namespace

quint32 dottedAddress(const QByteArray &text)
{
    const QList<QByteArray> parts = text.split('.');
    if (parts.size() != 4)
        return NoAddress;
    quint32 address = 0;
    for (const QByteArray &part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return NoAddress;
        int value = 0;
        for (const char c : part) {
            if (c < '0' || c > '9')
                return NoAddress;
            value = value * 10 + (c - '0');
        }
        if (value > 255)
            return NoAddress;
        address = address << 8 | quint32(value);
    }
    return address;
}

TClientSocket::TClientSocket(QObject *parent) : QObject(parent), m_socket(new QTcpSocket(this))
{
    setObjectName(QStringLiteral("ClientSocket1"));
    // The gateway is reached directly, never through a proxy.
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_guard = [](const std::function<void()> &event) {
        try {
            event();
        } catch (const HandlerError &error) {
            qWarning("%s", qPrintable(error.message()));
        }
    };
    connect(m_socket, &QTcpSocket::connected, this, &TClientSocket::connected);
    connect(m_socket, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) { failed(error); });
    connect(m_socket, &QTcpSocket::readyRead, this, &TClientSocket::readable);
}

TClientSocket::~TClientSocket()
{
    // The window is going away: the last events reach nobody.
    OnConnecting = OnConnect = OnDisconnect = OnRead = nullptr;
    OnError = nullptr;
    m_socket->abort();
}

void TClientSocket::setNotificationGuard(std::function<void(const std::function<void()> &)> guard)
{
    m_guard = std::move(guard);
}

void TClientSocket::setAddress(const QByteArray &address)
{
    if (address == m_address)
        return;
    if (m_active)
        throw SocketError::changeWhileActive();
    m_address = address;
}

void TClientSocket::setPort(int port)
{
    if (port == m_port)
        return;
    if (m_active)
        throw SocketError::changeWhileActive();
    m_port = port;
}

void TClientSocket::Open()
{
    if (m_active)
        return;
    m_connecting = false;
    m_socket->abort();

    if (m_address.isEmpty()) {
        int code = DestinationAddressRequired;
        if (OnError)
            OnError(TErrorEvent::eeLookup, code);
        fire(OnDisconnect);
        throw SocketError::noAddress();
    }

    fire(OnConnecting);
    const quint32 address = dottedAddress(m_address);
    if (address == NoAddress) {
        // The limited broadcast address is never a TCP peer: the connect call
        // fails at once, as the system's own would, without being made.
        fire(OnDisconnect);
        throw SocketError::onCall(AddressNotAvailable, "connect");
    }

    m_connecting = true;
    m_directFailure = -1;
    m_inConnectCall = true;
    // Unbuffered: received bytes stay with the system until the read handler takes
    // them, and after a notice of data the next one comes only once something was read.
    m_socket->connectToHost(QHostAddress(address), targetPort(),
                            QIODevice::ReadWrite | QIODevice::Unbuffered);
    m_inConnectCall = false;
    if (m_directFailure < 0)
        return;

    // The attempt failed inside the call itself: no connection was started.
    const auto error = QAbstractSocket::SocketError(m_directFailure);
    m_connecting = false;
    m_socket->abort();
    fire(OnDisconnect);
    if (error == QAbstractSocket::SocketResourceError)
        throw SocketError::cannotCreate();
    throw SocketError::onCall(socketErrorNumber(error), "connect");
}

void TClientSocket::Close()
{
    m_connecting = false;
    if (!m_active) {
        m_socket->abort();
        return;
    }
    endConnection();
}

int TClientSocket::SendText(const QByteArray &text)
{
    if (!m_active)
        return 0;
    const qint64 taken = m_socket->write(text);
    if (taken < 0)
        callFailed(TErrorEvent::eeSend, socketErrorNumber(m_socket->error()), "send");
    return int(qMax<qint64>(taken, 0));
}

QByteArray TClientSocket::ReceiveText()
{
    if (!m_active)
        return {};
    const qint64 pending = m_socket->bytesAvailable();
    QByteArray piece(pending, Qt::Uninitialized);
    // Reading, even nothing, asks for the next notification of data.
    const qint64 got = m_socket->read(piece.data(), pending);
    if (got < 0) {
        callFailed(TErrorEvent::eeReceive, socketErrorNumber(m_socket->error()), "recv");
        return {};
    }
    piece.truncate(got);
    return piece;
}

void TClientSocket::connected()
{
    if (!m_connecting)
        return;
    m_connecting = false;
    m_active = true;
    notify([this] { fire(OnConnect); });
}

void TClientSocket::failed(int socketError)
{
    if (m_inConnectCall) {
        m_directFailure = socketError;
        return;
    }
    // Once connected, errors are found by looking at the connection when it
    // signals (a reset) or by the call that meets them (send, recv).
    if (!m_connecting)
        return;
    m_connecting = false;
    reportError(TErrorEvent::eeConnect, socketErrorNumber(QAbstractSocket::SocketError(socketError)));
}

void TClientSocket::readable()
{
    if (!m_active)
        return;
    // A look without taking tells data from an orderly close and from a reset,
    // which the socket's own reading would both take for the end of the stream.
    char first;
#ifdef Q_OS_WIN
    // The toolkit's sockets do not block.
    const int seen = ::recv(SOCKET(m_socket->socketDescriptor()), &first, 1, MSG_PEEK);
    const int why = seen < 0 ? WSAGetLastError() : 0;
    const bool nothingYet = why == WSAEWOULDBLOCK || why == WSAEINTR;
    const int number = systemErrorNumber(why);
#else
    const ssize_t seen = ::recv(int(m_socket->socketDescriptor()), &first, 1, MSG_PEEK | MSG_DONTWAIT);
    const int why = errno;
    const bool nothingYet = why == EAGAIN || why == EWOULDBLOCK || why == EINTR;
    const int number = systemErrorNumber(why);
#endif
    if (seen > 0) {
        notify([this] { fire(OnRead); });
    } else if (seen == 0) {
        notify([this] { endConnection(); });
    } else if (nothingYet) {
        m_socket->read(&first, 0);
    } else {
        // The connection stays active until it is closed on this side.
        reportError(TErrorEvent::eeDisconnect, number);
    }
}

void TClientSocket::notify(const std::function<void()> &event)
{
    m_guard(event);
}

void TClientSocket::reportError(TErrorEvent event, int number)
{
    notify([this, event, number] {
        int code = number;
        if (OnError)
            OnError(event, code);
        if (code != 0)
            throw SocketError::asynchronous(code);
    });
}

void TClientSocket::callFailed(TErrorEvent event, int number, const char *call)
{
    int code = number;
    if (OnError)
        OnError(event, code);
    if (code == 0)
        return;
    endConnection();
    throw SocketError::onCall(code, call);
}

void TClientSocket::endConnection()
{
    m_active = false;
    m_socket->abort();
    fire(OnDisconnect);
}

void TClientSocket::fire(const TSocketNotifyEvent &event)
{
    if (event)
        event();
}
