#pragma once

// Start-up as the table counts it: from process start (taken by the caller, before it spawns
// the program) to the end of the first paint pass of the window. The first Paint event seen
// anywhere in the application queues a call; queued calls run once the event being handled,
// the whole pass, is done. Then the program idles a moment and reports its peak memory. The
// moment the window system first shows the window (mapped, under X11) is reported too.

#include "ProbeClock.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>

// The first thing main() does, for the share of start-up spent before it (loading, linking).
inline void reportMainEntered()
{
    std::printf("main_ns %lld\n", static_cast<long long>(monotonicNs()));
}

class FirstPaint : public QObject
{
public:
    static constexpr int IdleMs = 300;

    // afterIdle runs once the idle figure is out; the program quits when it returns.
    explicit FirstPaint(std::function<void()> afterIdle = {}) : m_afterIdle(std::move(afterIdle))
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_exposed && event->type() == QEvent::Expose) {
            if (auto *window = qobject_cast<QWindow *>(watched); window && window->isExposed()) {
                m_exposed = true;
                std::printf("exposed_ns %lld\n", static_cast<long long>(monotonicNs()));
            }
        }
        if (!m_seen && event->type() == QEvent::Paint) {
            m_seen = true;
            QMetaObject::invokeMethod(
                this, [this] { painted(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void painted()
    {
        std::printf("painted_ns %lld\n", static_cast<long long>(monotonicNs()));
        std::fflush(stdout);
        qApp->removeEventFilter(this);
        QTimer::singleShot(IdleMs, this, [this] {
            std::printf("idle_hwm_kb %lld\n", static_cast<long long>(peakResidentKb()));
            std::fflush(stdout);
            if (m_afterIdle)
                m_afterIdle();
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

    std::function<void()> m_afterIdle;
    bool m_seen = false;
    bool m_exposed = false;
};
