#include "link/SocketError.h"

#include "link/SocketErrorNumbers.h"

SocketError SocketError::asynchronous(int number)
{
    return SocketError(QStringLiteral("Asynchronous socket error %1").arg(number), number);
}

SocketError SocketError::onCall(int number, const char *call)
{
    return SocketError(QStringLiteral("Windows socket error: %1 (%2), on API '%3'")
                           .arg(socketErrorText(number))
                           .arg(number)
                           .arg(QLatin1String(call)),
                       number);
}

SocketError SocketError::noAddress()
{
    return SocketError(QStringLiteral("No address specified"));
}

SocketError SocketError::changeWhileActive()
{
    return SocketError(QStringLiteral("Can't change value while socket is active"));
}

SocketError SocketError::cannotCreate()
{
    return SocketError(QStringLiteral("Can't create new socket"));
}
