// The simulator program started for a test, with the links it printed.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace simtest {

class Simulator
{
public:
    explicit Simulator(const QStringList &options, const QString &linkPath)
    {
        m_process.setProgram(QStringLiteral(TL380SIM_PATH));
        m_process.setArguments(QStringList{"--serial", linkPath, "--tcp", "0"} + options);
        m_process.start();
        QElapsedTimer waited;
        waited.start();
        QByteArray out;
        while (waited.elapsed() < 5000 && !out.contains("tcp:") &&
               m_process.state() != QProcess::NotRunning) {
            m_process.waitForReadyRead(100);
            out += m_process.readAllStandardOutput();
        }
        const auto serial = QRegularExpression("serial: (\\S+)").match(QString::fromLocal8Bit(out));
        const auto tcp = QRegularExpression("tcp: 127\\.0\\.0\\.1:(\\d+)").match(QString::fromLocal8Bit(out));
        if (serial.hasMatch())
            link = serial.captured(1);
        if (tcp.hasMatch())
            port = quint16(tcp.captured(1).toUInt());
    }
    ~Simulator()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
    qint64 pid() const { return m_process.processId(); }
    QProcess &process() { return m_process; }

    QString link;
    quint16 port = 0;

private:
    QProcess m_process;
};

} // namespace simtest
