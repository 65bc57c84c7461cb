#pragma once

// The collector's serial side as a pseudo-terminal. This file and PtyPort.cpp are the only POSIX code
// of the simulator (openpty, termios, symlink); everything else is plain Qt.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

namespace sim {

class PtyPort : public QObject
{
    Q_OBJECT
public:
    explicit PtyPort(QObject *parent = nullptr);
    ~PtyPort() override;

    // Opens a pseudo-terminal in raw mode at 9600 bit/s and links its device at linkPath, replacing
    // a link left behind by an earlier run. False with *error set when that fails.
    bool open(const QString &linkPath, QString *error);
    QString devicePath() const { return m_devicePath; }
    QString linkPath() const { return m_linkPath; }

    // Bytes the pseudo-terminal took (0 when its queue is full), -1 when it is not open.
    qint64 write(const QByteArray &bytes);

    // Removes the link when the process is ended by SIGINT, SIGTERM or SIGHUP.
    static void removeLinkOnTermination(const QString &linkPath);

signals:
    void received(const QByteArray &bytes);

private:
    void readAvailable();

    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
    QString m_linkPath;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_retry;
};

} // namespace sim
