#include "link/LinkOpening.h"

#include "commands/CollectorLink.h"
#include "commands/HandlerError.h"
#include "link/LinkTarget.h"
#include "link/SerialDevice.h"
#include "link/SocketErrorNumbers.h"
#include "link/TComm.h"

#include <QFileInfo>

void openSerialTarget(TComm &serial, const LinkTarget &target)
{
    serial.CommName = target.serialDevice;
    try {
        serial.OpenPort();
    } catch (const HandlerError &) {
        // The port library opens a bare name in the system's device folder, not here;
        // Windows' device prefix ("\\.\COM5") is only how a port is spelt.
        const QString opened = serialLinePath(target.serialDevice);
        const bool moved = opened != target.serialDevice && !opened.startsWith(QLatin1String("\\\\.\\"));
        const QString where = moved ? QStringLiteral(" (opened as %1)").arg(opened) : QString();
        const QString here =
            moved && QFileInfo::exists(target.serialDevice)
                ? QStringLiteral("; for the one in this folder give ./%1").arg(target.serialDevice)
                : QString();
        throw SessionError(SessionError::Link, QStringLiteral("%1: cannot open%2: %3%4")
                                                   .arg(target.name(), where, serialOpenCause(opened), here));
    }
}

QString gatewayCause(int socketErrorNumber)
{
    if (socketErrorNumber == ::socketErrorNumber(QAbstractSocket::ConnectionRefusedError))
        return QStringLiteral("refused: is the gateway on, and listening on that port?");
    if (socketErrorNumber == ::socketErrorNumber(QAbstractSocket::SocketTimeoutError))
        return QStringLiteral("no answer in time: is the address right?");
    return QStringLiteral("the network refused the connection");
}
