#pragma once

// A pseudo-terminal pair for serial tests (POSIX only): the test plays the
// collector on the master side; the program opens the slave path.

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#ifdef Q_OS_MACOS
#include <util.h>
#else
#include <pty.h>
#endif
#include <termios.h>
#include <unistd.h>

class PtyPair
{
public:
    PtyPair()
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            return;
        termios raw{};
        ::tcgetattr(m_slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(m_slave, TCSANOW, &raw);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_path = QString::fromLocal8Bit(name);
    }
    ~PtyPair() { hangUp(); }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_master >= 0; }
    const QString &slavePath() const { return m_path; }

    void write(const QByteArray &bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
            if (n > 0)
                done += n;
            else
                QTest::qWait(1);
        }
    }

    // What reached the collector: waits up to firstMs for the first byte, then
    // until quietMs pass without one. The event loop keeps running meanwhile.
    QByteArray read(int firstMs = 2000, int quietMs = 150)
    {
        QByteArray got;
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        for (;;) {
            char buffer[4096];
            const ssize_t n = m_master >= 0 ? ::read(m_master, buffer, sizeof buffer) : -1;
            if (n > 0) {
                got.append(buffer, n);
                last = clock.elapsed();
                continue;
            }
            const qint64 now = clock.elapsed();
            if (got.isEmpty() ? now > firstMs : now - last > quietMs)
                return got;
            QTest::qWait(5);
        }
    }

    // The device vanishes: both ends of the pair are closed here.
    void hangUp()
    {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
        m_master = m_slave = -1;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};
