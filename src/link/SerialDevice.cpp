#include "link/SerialDevice.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

QString notASerialLine([[maybe_unused]] const QString &name)
{
#ifdef Q_OS_UNIX
    struct stat info
    {
    };
    if (name.startsWith(u'/') && ::stat(name.toLocal8Bit().constData(), &info) == 0 && !S_ISCHR(info.st_mode))
        return QStringLiteral("File handle is not a comm handle ");
#endif
    return {};
}
