#include "LoopCollector.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace {

// Long enough for the whole command to be in, short against the delays measured.
constexpr auto AnswerPause = std::chrono::milliseconds(20);

void writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else
            std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

} // namespace

void LoopCollector::serve(int fd, bool listening)
{
    m_links.push_back({fd, listening, {}});
}

void LoopCollector::start()
{
    m_thread = std::thread([this] { run(); });
}

void LoopCollector::stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void LoopCollector::run()
{
    while (!m_stop) {
        std::vector<pollfd> watched;
        for (const Link &link : m_links)
            watched.push_back({link.fd, POLLIN, 0});
        if (::poll(watched.data(), nfds_t(watched.size()), 50) <= 0)
            continue;
        const size_t count = watched.size();
        for (size_t i = 0; i < count; ++i) {
            if (!(watched[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            if (m_links[i].listening) {
                const int accepted = ::accept(m_links[i].fd, nullptr, nullptr);
                if (accepted >= 0) {
                    m_links.push_back({accepted, false, {}});
                    ++connections;
                }
                continue;
            }
            readFrom(m_links[i]);
        }
    }
    for (const Link &link : m_links)
        if (!link.listening)
            ::close(link.fd);
}

void LoopCollector::readFrom(Link &link)
{
    char buffer[4096];
    const ssize_t n = ::read(link.fd, buffer, sizeof buffer);
    const qint64 now = monotonicNs();
    if (n <= 0) {
        // A closed or hung-up end: stop watching it.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return;
    }
    if (link.pending.isEmpty() && n == 1 && buffer[0] == 'F') {
        floorNs = now;
        return;
    }
    if (link.pending.isEmpty())
        firstByteNs = now;
    link.pending.append(buffer, n);
    if (!link.pending.endsWith("CHEACK1#"))
        return;
    link.pending.clear();
    std::this_thread::sleep_for(AnswerPause);
    QByteArray answer;
    {
        const std::lock_guard lock(m_mutex);
        answer = m_answer;
    }
    writeAll(link.fd, answer);
    answerEndNs = monotonicNs();
}
