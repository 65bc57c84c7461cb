#pragma once

#include "commands/Command.h"
#include "link/SendStep.h"
#include "link/TracedTransport.h"
#include "replies/ReplyDispatch.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class Form;
class TClientSocket;
class TComm;
struct ExchangeState;

// Where a session talks to the collector: a serial device or a gateway address.
struct LinkTarget
{
    QString serialDevice; // empty: the gateway
    QString gatewayAddress;
    quint16 gatewayPort = 7000;

    bool isGateway() const { return serialDevice.isEmpty(); }
    QString name() const;
    // The shortest silence that can end an answer here: longer than the link's own
    // framing (100 ms of quiet ends a serial piece; the gateway's bytes are read
    // 300 ms after the first of them).
    int shortestQuietMs() const { return isGateway() ? 400 : 200; }
};

// Why a session could not complete an exchange: the link (cannot open, refused,
// lost, no answer in time) or the answer (the parser refuses it). The message
// names the device or address and the likely cause.
class SessionError
{
public:
    enum Kind { Link, Answer };
    SessionError(Kind kind, QString message) : kind(kind), message(std::move(message)) {}
    Kind kind;
    QString message;
};

// Whether the bytes received so far are the whole answer.
using WholeAnswer = std::function<bool(const QByteArray &answer)>;

// The window's exchange without the window: a command goes out through the send
// step and the window's transport; every piece that comes back until the answer is
// whole belongs to that exchange, and the whole answer then goes through the
// window's receive path and parser into the form. A serial piece ends after 100 ms
// of quiet (the port's own framing); over the gateway the pending bytes are read
// 300 ms after the first of them, as the window reads them. Bytes that arrive while
// no exchange waits belong to none and are dropped.
class ExchangeSession : public QObject
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
    // when the link is lost. SessionError (Answer) when the parser refuses it.
    QByteArray exchange(const Command &command, const WholeAnswer &whole = {});
    // Sends the command of a stream of pieces (the history); read them with nextPiece().
    void startStream(const Command &command);
    // The next piece of the stream, none once the link has been quiet for the quiet
    // time; SessionError (Link) when the link is lost or no byte came at all.
    std::optional<QByteArray> nextPiece();
    // How often a command without any answer is sent again (0).
    void setRetries(int retries) { m_retries = retries; }
    // Ends the wait in progress, and every later exchange, with SessionError (Link) `why`.
    void abort(const QString &why);

    const LinkTarget &target() const { return m_target; }

private:
    ExchangeSession(LinkTarget target, TComm *serial, TClientSocket *gateway, Form &form,
                    ExchangeState &exchange, int quietMs, Trace &trace);
    void openBorrowed();
    void openSerial();
    void openGateway();
    void serialPiece(const QByteArray &piece);
    void activity();
    void gatewayReadable();
    void readGateway();
    void received(const QByteArray &piece);
    void deliver(const QByteArray &answer);
    void wait(const std::function<bool()> &done);
    [[noreturn]] void linkFailed() const;
    void settle();
    void wake();

    LinkTarget m_target;
    Form &m_form;
    ExchangeState &m_exchange;
    int m_quietMs;
    int m_retries = 0;
    Trace &m_trace;
    TComm *m_serial;
    TClientSocket *m_gateway;
    TracedTransport m_tracedSerial;
    TracedTransport m_tracedGateway;
    SendStep m_send;
    QTimer m_silence;
    QElapsedTimer m_lastByte;
    QList<QByteArray> m_pieces;
    bool m_waiting = false;
    bool m_silent = false;
    bool m_anyByte = false;
    QString m_lost;
    QString m_aborted;
    bool m_connected = false;
    bool m_readPending = false;
    std::function<void()> m_wake;
    // The owner's connection events, given back at the end; empty when the session owns its links.
    bool m_borrowed = false;
    std::function<void(const std::function<void()> &)> m_ownerGuard;
    std::function<void()> m_ownerOnConnect;
    std::function<void()> m_ownerOnDisconnect;
    std::function<void()> m_ownerOnRead;
};
