#include "link/SerialDevice.h"

#include <QFileInfo>
#include <QSerialPort>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString serialLinePath(const QString &name)
{
    if (name.startsWith(u'/') || name.startsWith(QLatin1String("./")) ||
        name.startsWith(QLatin1String("../")))
        return name;
    return QLatin1String("/dev/") + name;
}

QString notASerialLine(const QString &name)
{
    struct stat info
    {
    };
    const QByteArray path = name.toLocal8Bit();
    // A character device is left to the port itself: opening it here too would drop
    // and raise the modem lines once more.
    if (::stat(path.constData(), &info) != 0 || S_ISCHR(info.st_mode))
        return {};
    // What cannot be opened for reading and writing fails as any device that cannot be opened.
    const int handle = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return QStringLiteral("Error opening serial port");
    ::close(handle);
    return QStringLiteral("File handle is not a comm handle ");
}

QString serialOpenCause(const QString &device)
{
    const QFileInfo info(device);
    if (!info.exists())
        return QStringLiteral("no such device: is the cable plugged in?");
    if (!info.isReadable() || !info.isWritable())
        return QStringLiteral("permission denied: add yourself to the group dialout");
    QSerialPort probe(device);
    if (!probe.open(QIODevice::ReadWrite) && probe.error() == QSerialPort::PermissionError)
        return QStringLiteral("busy: another program holds it");
    return QStringLiteral("it is no serial port");
}
