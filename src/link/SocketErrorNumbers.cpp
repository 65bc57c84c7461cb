#include "link/SocketErrorNumbers.h"

#include <array>
#include <cerrno>

namespace {

struct SocketErrorRow
{
    QAbstractSocket::SocketError error;
    int systemError;
    int number;
    const char *text;
};

using E = QAbstractSocket::SocketError;

// The first row of a Qt error gives its number; rows further down that name the
// same Qt error only serve the system's errno values.
// clang-format off
constexpr std::array<SocketErrorRow, 13> rows{{
    {E::ConnectionRefusedError,          ECONNREFUSED,  10061, "No connection could be made because the target machine actively refused it"},
    {E::RemoteHostClosedError,           ECONNRESET,    10054, "An existing connection was forcibly closed by the remote host"},
    {E::SocketTimeoutError,              ETIMEDOUT,     10060, "A connection attempt failed because the connected party did not properly respond after a period of time, or established connection failed because connected host has failed to respond"},
    {E::NetworkError,                    ENETUNREACH,   10051, "A socket operation was attempted to an unreachable network"},
    {E::NetworkError,                    EHOSTUNREACH,  10065, "A socket operation was attempted to an unreachable host"},
    {E::NetworkError,                    ECONNABORTED,  10053, "An established connection was aborted by the software in your host machine"},
    {E::NetworkError,                    ENETDOWN,      10050, "A socket operation encountered a dead network"},
    {E::NetworkError,                    EPIPE,         10058, "A request to send or receive data was disallowed because the socket had already been shut down in that direction with a previous shutdown call"},
    {E::SocketAccessError,               EACCES,        10013, "An attempt was made to access a socket in a way forbidden by its access permissions"},
    {E::SocketResourceError,             ENOBUFS,       10055, "An operation on a socket could not be performed because the system lacked sufficient buffer space or because a queue was full"},
    {E::AddressInUseError,               EADDRINUSE,    10048, "Only one usage of each socket address (protocol/network address/port) is normally permitted"},
    {E::SocketAddressNotAvailableError,  EADDRNOTAVAIL, 10049, "The requested address is not valid in its context"},
    {E::UnsupportedSocketOperationError, EAFNOSUPPORT,  10047, "An address incompatible with the requested protocol was used"},
}};
// clang-format on

// What an error not in the table becomes: the network is the likeliest cause.
constexpr int Unlisted = 10050;

} // namespace

int socketErrorNumber(QAbstractSocket::SocketError error)
{
    for (const SocketErrorRow &row : rows)
        if (row.error == error)
            return row.number;
    return Unlisted;
}

int systemErrorNumber(int systemError)
{
#ifdef Q_OS_WIN
    // The system's own numbers are the Windows Sockets numbers.
    return systemError;
#else
    for (const SocketErrorRow &row : rows)
        if (row.systemError == systemError)
            return row.number;
    return Unlisted;
#endif
}

QString socketErrorText(int number)
{
    for (const SocketErrorRow &row : rows)
        if (row.number == number)
            return QString::fromLatin1(row.text);
    return {};
}
