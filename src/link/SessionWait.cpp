#include "link/SessionWait.h"

#include <QEventLoop>

SessionWait::SessionWait(int quietMs, QObject *parent) : QObject(parent), m_quietMs(quietMs)
{
    m_silence.setSingleShot(true);
    m_silence.setTimerType(Qt::PreciseTimer);
    connect(&m_silence, &QTimer::timeout, this, [this] {
        m_quiet = true;
        wake();
    });
}

void SessionWait::startQuiet()
{
    m_quiet = false;
    m_silence.start(m_quietMs);
}

void SessionWait::heardSomething()
{
    if (m_silence.isActive())
        m_silence.start(m_quietMs);
}

void SessionWait::lose(const QString &why)
{
    if (m_lost.isEmpty())
        m_lost = why;
    wake();
}

void SessionWait::wake()
{
    if (m_wake)
        m_wake();
}

void SessionWait::wait(const std::function<bool()> &done)
{
    auto over = [&] { return done() || lost() || m_quiet; };
    if (over())
        return;
    QEventLoop loop;
    m_wake = [&] {
        if (over())
            loop.quit();
    };
    loop.exec();
    m_wake = nullptr;
}
