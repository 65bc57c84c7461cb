#pragma once

#include "link/SerialLine.h"

#include <QByteArray>
#include <QSerialPort>
#include <QTimer>

// The serial port on POSIX systems: QSerialPort, with the framing done here (the quiet timer).
// Writes are queued and never wait for the line.
class SerialIo : public SerialLine
{
    Q_OBJECT
public:
    SerialIo();

    QString open(const QString &name) override;
    void close() override;
    void write(const QByteArray &data) override;

private:
    void readAvailable();
    void endPiece();
    void onError(QSerialPort::SerialPortError error);
    bool lineIsGone() const;
    void drainOutput();
    void hangUp();

    QSerialPort m_port;
    QTimer m_quiet;
    QTimer m_rearm;
    QByteArray m_piece;
};
