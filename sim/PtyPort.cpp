#include "PtyPort.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#ifdef Q_OS_MACOS
#include <util.h>
#else
#include <pty.h>
#endif
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

char linkForSignal[4096];

void removeLinkAndExit(int signalNumber)
{
    if (linkForSignal[0] != '\0')
        ::unlink(linkForSignal);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void setCloseOnExec(int fd)
{
    ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
}

} // namespace

PtyPort::PtyPort(QObject *parent) : QObject(parent)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(100);
    connect(&m_retry, &QTimer::timeout, this, [this] { m_notifier->setEnabled(true); });
}

PtyPort::~PtyPort()
{
    if (!m_linkPath.isEmpty() && QFile::symLinkTarget(m_linkPath) == m_devicePath)
        QFile::remove(m_linkPath);
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool PtyPort::open(const QString &linkPath, QString *error)
{
    if (::openpty(&m_master, &m_slave, nullptr, nullptr, nullptr) != 0) {
        *error = QStringLiteral("cannot open a pseudo-terminal: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    setCloseOnExec(m_master);
    setCloseOnExec(m_slave);
    termios line{};
    ::tcgetattr(m_slave, &line);
    ::cfmakeraw(&line);
    ::cfsetispeed(&line, B9600);
    ::cfsetospeed(&line, B9600);
    ::tcsetattr(m_slave, TCSANOW, &line);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_devicePath = QString::fromLocal8Bit(::ttyname(m_slave));
    // The slave end stays open here as well, so the master never sees a hang-up while the tool has the
    // device closed, and the line settings persist between the tool's opens.

    const QByteArray link = QFile::encodeName(linkPath);
    struct stat info
    {
    };
    if (::lstat(link.constData(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            *error = QStringLiteral("%1 exists and is not a link; choose another path with --serial")
                         .arg(linkPath);
            return false;
        }
        ::unlink(link.constData());
    }
    if (::symlink(QFile::encodeName(m_devicePath).constData(), link.constData()) != 0) {
        *error =
            QStringLiteral("cannot link %1: %2").arg(linkPath, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_linkPath = linkPath;

    m_notifier = new QSocketNotifier(qintptr(m_master), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyPort::readAvailable);
    return true;
}

void PtyPort::readAvailable()
{
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) {
            // No reader on the other end (EIO): wait a little instead of spinning on the notifier.
            m_notifier->setEnabled(false);
            m_retry.start();
        }
        break;
    }
    if (!bytes.isEmpty())
        emit received(bytes);
}

qint64 PtyPort::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return -1;
    const ssize_t n = ::write(m_master, bytes.constData(), size_t(bytes.size()));
    if (n >= 0)
        return n;
    return (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == EIO) ? 0 : -1;
}

void PtyPort::removeLinkOnTermination(const QString &linkPath)
{
    const QByteArray link = QFile::encodeName(linkPath);
    std::strncpy(linkForSignal, link.constData(), sizeof linkForSignal - 1);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signalNumber, removeLinkAndExit);
}

} // namespace sim
