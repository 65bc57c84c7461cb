#pragma once

#include "commands/Command.h"
#include "link/SendStep.h"
#include "link/TracedTransport.h"

#include <QObject>
#include <QString>

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

// The window's exchange without the window: a command goes out through the send
// step and the window's transport, and each piece comes back through the window's
// receive path and parser into the form. A serial piece ends after 100 ms of quiet
// (the port's own framing); over the gateway the pending bytes are read 300 ms after
// the first of them, as the window reads them. A piece is parsed as soon as it is whole.
class ExchangeSession : public QObject
{
public:
    ExchangeSession(LinkTarget target, Form &form, ExchangeState &exchange, int timeoutMs, Trace &trace);
    ~ExchangeSession() override;

    // Raises SessionError (Link) naming the device or address and the likely cause.
    void open();
    // Sends the command and returns the first piece of its answer; raises SessionError
    // (Link) when none comes within the timeout, (Answer) when the
    // window's parser refuses it.
    QByteArray exchange(const Command &command);
    // The next piece, none after `quietMs` without one.
    std::optional<QByteArray> nextPiece(int quietMs);

    const LinkTarget &target() const { return m_target; }

private:
    void openSerial();
    void openGateway();
    void serialPiece(const QByteArray &piece);
    void gatewayReadable();
    void readGateway();
    void whole(const QByteArray &piece, bool parseDue);
    bool waitFor(const std::function<bool()> &done, int ms);
    [[noreturn]] void noAnswer() const;
    void wake();

    LinkTarget m_target;
    Form &m_form;
    ExchangeState &m_exchange;
    int m_timeoutMs;
    Trace &m_trace;
    TComm *m_serial;
    TClientSocket *m_gateway;
    TracedTransport m_tracedSerial;
    TracedTransport m_tracedGateway;
    SendStep m_send;
    QList<QByteArray> m_pieces;
    QString m_fault;
    QString m_parseFault;
    bool m_connected = false;
    bool m_readPending = false;
    std::function<void()> m_wake;
};
