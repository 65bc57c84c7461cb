#pragma once

#include "link/Transport.h"

#include <QByteArray>
#include <QObject>
#include <functional>

class QTcpSocket;

// The step of the connection at which an error was reported.
enum class TErrorEvent { eeGeneral, eeSend, eeReceive, eeConnect, eeDisconnect, eeAccept, eeLookup };

using TSocketNotifyEvent = std::function<void()>;
// The handler may set ErrorCode to 0 to keep the error from being raised.
using TSocketErrorEvent = std::function<void(TErrorEvent ErrorEvent, int &ErrorCode)>;

// The dotted IPv4 address of a text, in host order. No host name is ever looked
// up: a text that is not four dot-separated decimal numbers up to 255 gives the
// all-ones address 255.255.255.255, to which no connection can be made.
quint32 dottedAddress(const QByteArray &text);
constexpr quint32 NoAddress = 0xFFFFFFFFu;

// The TCP client of the gateway link. Every call returns at once; connecting,
// arrival of data and closing are reported as events on the window's thread.
// Errors of calls are raised as SocketError to the caller; errors the connection
// reports by itself are raised inside the notification guard, after OnError.
class TClientSocket : public QObject, public Transport
{
    Q_OBJECT
public:
    explicit TClientSocket(QObject *parent = nullptr);
    ~TClientSocket() override;

    TSocketNotifyEvent OnConnecting;
    TSocketNotifyEvent OnConnect;
    TSocketNotifyEvent OnDisconnect;
    TSocketNotifyEvent OnRead;
    TSocketErrorEvent OnError;

    // Runs every event that the connection reports by itself; it is where an error
    // raised there ends (the window shows it in its error box).
    void setNotificationGuard(std::function<void(const std::function<void()> &)> guard);
    const std::function<void(const std::function<void()> &)> &notificationGuard() const { return m_guard; }

    const QByteArray &Address() const { return m_address; }
    // Both raise "Can't change value while socket is active" for a new value while
    // connected; the same value again is no change.
    void setAddress(const QByteArray &address);
    int Port() const { return m_port; }
    void setPort(int port);
    // Only the low 16 bits of the port are used.
    quint16 targetPort() const { return quint16(m_port); }

    // True from the connected event until the connection ends.
    bool Active() const { return m_active; }
    bool isConnecting() const { return m_connecting; }
    // Starts a connection attempt; a pending one gives way to it.
    void Open();
    // Ends the connection (disconnected event) or abandons a pending attempt.
    void Close();

    // Hands the text to the network with one call and returns the number of bytes
    // taken; 0, sending nothing, when not connected.
    int SendText(const QByteArray &text);
    // Every byte the connection holds now, possibly none.
    QByteArray ReceiveText();

    bool send(const QByteArray &text) override { return SendText(text) > 0; }

private:
    void connected();
    void failed(int socketError);
    void readable();
    void notify(const std::function<void()> &event);
    void reportError(TErrorEvent event, int number);
    void callFailed(TErrorEvent event, int number, const char *call);
    void endConnection();
    void fire(const TSocketNotifyEvent &event);

    QTcpSocket *m_socket;
    std::function<void(const std::function<void()> &)> m_guard;
    QByteArray m_address;
    int m_port = 0;
    bool m_active = false;
    bool m_connecting = false;
    bool m_inConnectCall = false;
    int m_directFailure = -1;
};
