#pragma once

#include "commands/HandlerError.h"

// An error of the gateway's TCP client; the message says which.
class SocketError : public HandlerError
{
public:
    explicit SocketError(QString message, int number = 0) : HandlerError(std::move(message)), m_number(number)
    {
    }

    // The Windows Sockets number of the error; 0 for the client's own refusals.
    int number() const { return m_number; }

    // An error the connection reported by itself: a refused or failed attempt,
    // a reset, a pending read or write that failed.
    static SocketError asynchronous(int number);
    // A socket call that failed when the client made it ("connect", "send", "recv").
    static SocketError onCall(int number, const char *call);
    static SocketError noAddress();
    static SocketError changeWhileActive();
    static SocketError cannotCreate();

private:
    int m_number;
};
