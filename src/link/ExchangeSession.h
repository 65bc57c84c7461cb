#pragma once

#include "commands/CollectorLink.h"
#include "link/LinkTarget.h"
#include "link/SendStep.h"
#include "link/TracedTransport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class BorrowedGateway;
class Form;
class SessionWait;
class TClientSocket;
class TComm;
struct ExchangeState;

// The window's exchange without the window: a command goes out through the send
// step and the window's transport; every piece that comes back until the answer is
// whole belongs to that exchange, and the whole answer then goes through the
// window's receive path and parser into the form. A serial piece ends after 100 ms
// of quiet (the port's own framing); over the gateway the pending bytes are read
// 300 ms after the first of them, as the window reads them. Bytes that arrive while
// no exchange waits belong to none and are dropped.
class ExchangeSession : public QObject, public CollectorLink
{
public:
    // `quietMs`: the silence after the last byte sent or received that ends a wait.
    ExchangeSession(LinkTarget target, Form &form, ExchangeState &exchange, int quietMs, Trace &trace);
    // Over links someone else owns and has opened (the window's port and connection):
    // while the session lives it takes the connection's events and every piece the
    // port hands on; at its end it gives the events back and leaves both links open.
    ExchangeSession(TComm &serial, TClientSocket &gateway, bool viaGateway, Form &form,
                    ExchangeState &exchange, int quietMs, Trace &trace);
    ~ExchangeSession() override;

    // Raises SessionError (Link) naming the device or address and the likely cause;
    // over borrowed links, when the link is not open.
    void open();
    // Sends the command and collects its answer until `whole` says it is complete
    // (no test: until the link is quiet), or the link has been quiet for the quiet
    // time after the last byte: then the answer is what came. Without any byte the
    // command is sent again, up to the retries, then SessionError (Link); the same
    // when the link is lost or a send fails. SessionError (Answer) when the parser
    // refuses it.
    QByteArray exchange(const Command &command, const WholeAnswer &whole = {}) override;
    bool viaGateway() const override { return m_target.isGateway(); }
    // Sends the command of a stream of pieces (the history); read them with nextPiece().
    void startStream(const Command &command);
    // The next piece of the stream, none once the link has been quiet for the quiet
    // time; SessionError (Link) when the link is lost or no byte came at all.
    std::optional<QByteArray> nextPiece();
    // How often a command without any answer is sent again (0).
    void setRetries(int retries) { m_retries = retries; }
    // Ends the wait in progress and every later exchange with SessionError (Link, why).
    void abort(const QString &why);

    const LinkTarget &target() const { return m_target; }

private:
    ExchangeSession(LinkTarget target, TComm *serial, TClientSocket *gateway, Form &form,
                    ExchangeState &exchange, int quietMs, Trace &trace);
    void takeGatewayEvents();
    void openBorrowed();
    void openGateway();
    void serialPiece(const QByteArray &piece);
    void activity();
    void gatewayReadable();
    void readGateway();
    void received(const QByteArray &piece);
    void deliver(const QByteArray &answer);
    [[noreturn]] void linkFailed() const;
    void settle();

    LinkTarget m_target;
    Form &m_form;
    ExchangeState &m_exchange;
    int m_retries = 0;
    Trace &m_trace;
    SessionWait *m_wait;
    TComm *m_serial;
    TClientSocket *m_gateway;
    TracedTransport m_tracedSerial;
    TracedTransport m_tracedGateway;
    SendStep m_send;
    std::unique_ptr<BorrowedGateway> m_borrowed;
    QElapsedTimer m_lastByte;
    QList<QByteArray> m_pieces;
    bool m_waiting = false;
    bool m_anyByte = false;
    // The socket error number of a failed connection, for its cause.
    int m_connectError = 0;
    // Why the session was ended from outside (a stop); empty while it was not.
    QString m_aborted;
    bool m_connected = false;
    bool m_readPending = false;
};
