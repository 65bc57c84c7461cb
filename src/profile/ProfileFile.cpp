#include "profile/ProfileFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString notRegular()
{
    return QStringLiteral("not a regular file (a named pipe, a device or a socket): give a profile file");
}

QString tooLarge()
{
    return QStringLiteral("too large for a profile: more than %1 KiB").arg(MostProfileBytes / 1024);
}

// Why what is at `path` is no file a profile is read from; empty for a regular file.
QString kindFault(const QFileInfo &info)
{
    if (!info.exists())
        return QStringLiteral("no such file");
    if (info.isDir())
        return QStringLiteral("a folder, not a profile file");
    if (!info.isFile())
        return notRegular();
    return {};
}

#ifdef Q_OS_UNIX
// Opened without waiting: a named pipe put in place of the file after it was looked
// at must not hold the reader. What was opened is looked at again.
QString openRegular(const QString &path, QFile &file)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return notRegular();
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}
#else
QString openRegular(const QString &path, QFile &file)
{
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}
#endif

} // namespace

ProfileBytes readProfileFile(const QString &path)
{
    if (const QString fault = kindFault(QFileInfo(path)); !fault.isEmpty())
        return {{}, fault};
    QFile file;
    if (const QString fault = openRegular(path, file); !fault.isEmpty())
        return {{}, fault};
    return readProfileFrom(file);
}

ProfileBytes readProfileFrom(QIODevice &device)
{
    QByteArray bytes;
    // One byte beyond the bound tells a file that is too large from one that just fits.
    while (bytes.size() <= MostProfileBytes) {
        const QByteArray piece = device.read(MostProfileBytes + 1 - bytes.size());
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > MostProfileBytes)
        return {{}, tooLarge()};
    if (const auto *file = qobject_cast<QFileDevice *>(&device);
        file && file->error() != QFileDevice::NoError)
        return {{}, file->errorString()};
    return {bytes, {}};
}
