#pragma once

// The collector's end of the links, on its own thread: it stamps the first byte of each
// command, answers "Read Parameters" after a short pause and stamps the last byte of the
// answer. A lone "F" is a floor probe written straight to the link: only its arrival is stamped.

#include "ProbeClock.h"

#include <QByteArray>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

class LoopCollector
{
public:
    LoopCollector() = default;
    ~LoopCollector() { stop(); }
    LoopCollector(const LoopCollector &) = delete;
    LoopCollector &operator=(const LoopCollector &) = delete;

    // listening: a socket to accept from (its connections are served); else served as it is.
    void serve(int fd, bool listening);
    void start();
    void stop();

    void setAnswer(const QByteArray &answer)
    {
        const std::lock_guard lock(m_mutex);
        m_answer = answer;
    }

    std::atomic<qint64> firstByteNs{0};
    std::atomic<qint64> answerEndNs{0};
    std::atomic<qint64> floorNs{0};
    std::atomic<int> connections{0};

private:
    struct Link
    {
        int fd;
        bool listening;
        QByteArray pending;
    };
    void run();
    void readFrom(Link &link);

    std::vector<Link> m_links;
    std::mutex m_mutex;
    QByteArray m_answer;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
