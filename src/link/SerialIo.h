#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

// The serial port and its framing, living in a thread of their own. A piece
// ends after 100 ms without a byte, or when 2048 bytes are in; pieces leave in
// the order they were read. Writes are queued and never wait for the line.
class SerialIo : public QObject
{
    Q_OBJECT
public:
    static constexpr int QuietMs = 100;
    static constexpr qsizetype MaxPiece = 2048;

    SerialIo();

    // Empty on success, else the message of the failure.
    QString open(const QString &name);
    void close();
    void write(const QByteArray &data);

signals:
    void pieceReceived(const QByteArray &piece);

private:
    void readAvailable();
    void endPiece();
    void onError(QSerialPort::SerialPortError error);
    void hangUp();

    QSerialPort m_port;
    QTimer m_quiet;
    QByteArray m_piece;
};
