// tl380ctl started for a test, and a scripted collector behind a loopback gateway port.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <functional>

#include <csignal>

#include <sys/socket.h>

struct CtlResult
{
    int status = -1;
    QByteArray out;
    QByteArray err;
    qint64 endedMs = 0; // after the start
};

// Runs tl380ctl while this thread's event loop keeps serving (a scripted collector);
// each of `steps` runs once, at its time after the start.
inline CtlResult runCtlWith(const QStringList &arguments,
                            const QList<std::pair<int, std::function<void(QProcess &)>>> &steps)
{
    QProcess process;
    process.start(QStringLiteral(TL380CTL_PATH), arguments);
    QElapsedTimer took;
    took.start();
    qsizetype done = 0;
    while (process.state() != QProcess::NotRunning && took.elapsed() < 60000) {
        QTest::qWait(5);
        if (done < steps.size() && took.elapsed() >= steps[done].first)
            steps[done++].second(process);
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError(), took.elapsed()};
}

// `during` runs once, `afterMs` after the start.
inline CtlResult runCtl(const QStringList &arguments, int afterMs = -1,
                        const std::function<void(QProcess &)> &during = {})
{
    if (!during)
        return runCtlWith(arguments, {});
    return runCtlWith(arguments, {{afterMs, during}});
}

// SIGINT at each of the times.
inline CtlResult interruptedCtl(const QStringList &arguments, const QList<int> &signalsAtMs)
{
    QList<std::pair<int, std::function<void(QProcess &)>>> steps;
    for (const int at : signalsAtMs)
        steps.append({at, [](QProcess &p) { ::kill(pid_t(p.processId()), SIGINT); }});
    return runCtlWith(arguments, steps);
}

// A collector that answers each command received with what the script gives for
// it; an answer of several pieces goes out one piece every `gapMs`.
class ScriptedCollector : public QObject
{
public:
    using Script = std::function<QByteArrayList(const QByteArray &command)>;
    // A piece that resets the connection instead of sending.
    static inline const QByteArray Reset = QByteArrayLiteral("\x01reset");

    explicit ScriptedCollector(Script script, int gapMs = 0) : m_script(std::move(script)), m_gapMs(gapMs)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *peer = m_server.nextPendingConnection();
            connect(peer, &QTcpSocket::readyRead, peer, [this, peer] {
                const QByteArray command = peer->readAll();
                received << command;
                int at = 0;
                for (const QByteArray &piece : m_script(command)) {
                    QTimer::singleShot(at, peer, [peer, piece] {
                        if (piece != Reset) {
                            peer->write(piece);
                            return;
                        }
                        const linger now{1, 0};
                        ::setsockopt(int(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
                        peer->abort();
                    });
                    at += m_gapMs;
                }
            });
        });
    }
    QStringList gateway() const
    {
        return {QStringLiteral("--gateway"), QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort())};
    }

    QByteArrayList received;

private:
    QTcpServer m_server;
    Script m_script;
    int m_gapMs;
};
