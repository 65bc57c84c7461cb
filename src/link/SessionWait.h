#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// The waits of a session: the event loop runs until what it waits for is there,
// the link is lost, or the link has been quiet for the quiet time.
class SessionWait : public QObject
{
public:
    explicit SessionWait(int quietMs, QObject *parent = nullptr);

    int quietMs() const { return m_quietMs; }
    // The quiet time starts now.
    void startQuiet();
    // A byte came: the quiet time starts again, if it runs.
    void heardSomething();
    bool quiet() const { return m_quiet; }

    // The link is gone, or the session is stopped: every wait ends, now and later.
    void lose(const QString &why);
    bool lost() const { return !m_lost.isEmpty(); }
    const QString &why() const { return m_lost; }

    void wait(const std::function<bool()> &done);
    // Something changed: the wait in progress looks again.
    void wake();

private:
    int m_quietMs;
    QTimer m_silence;
    bool m_quiet = false;
    QString m_lost;
    std::function<void()> m_wake;
};
