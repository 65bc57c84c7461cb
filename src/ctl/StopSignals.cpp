#include "ctl/StopSignals.h"

#include <QCoreApplication>

#include <atomic>
#include <cerrno>
#include <csignal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>
#else
#include <QTimer>
#endif

namespace {

// Lock-free, so the handler may touch it.
std::atomic<int> signalCount{0};
static_assert(std::atomic<int>::is_always_lock_free);

#ifdef Q_OS_UNIX
// The self-pipe: the handler writes a byte, the event loop reads it.
int wakeFds[2] = {-1, -1};
#endif

extern "C" void onStopSignal(int)
{
    signalCount.fetch_add(1);
#ifdef Q_OS_UNIX
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[1], &byte, 1);
    errno = saved;
#endif
}

} // namespace

StopSignals::StopSignals() : QObject(QCoreApplication::instance())
{
#ifdef Q_OS_UNIX
    if (::pipe(wakeFds) == 0) {
        for (const int fd : wakeFds) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
        auto *notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &StopSignals::drain);
    }
#else
    // No pipe to wake the loop with: the count is looked at ten times a second.
    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &StopSignals::drain);
    poll->start(100);
#endif
}

StopSignals &StopSignals::instance()
{
    static StopSignals *const watcher = new StopSignals;
    return *watcher;
}

void StopSignals::install()
{
    instance();
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
}

int StopSignals::received()
{
    return signalCount.load();
}

void StopSignals::drain()
{
#ifdef Q_OS_UNIX
    char bytes[16];
    while (::read(wakeFds[0], bytes, sizeof bytes) > 0) {
    }
#endif
    while (m_told < received())
        emit arrived(++m_told);
}
