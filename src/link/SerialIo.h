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
    // What was written before a close still goes out, for as long as the line
    // needs for it at 9600 bit/s and a little more, but never longer than this:
    // one bound for the port's own buffer and the system's queue together.
    static constexpr int MostDrainMs = 3000;

    SerialIo();

    // Empty on success, else the message of the failure.
    QString open(const QString &name);
    // Lets what was written go out first (within MostDrainMs), then closes.
    void close();
    void write(const QByteArray &data);

signals:
    void pieceReceived(const QByteArray &piece);
    // Bytes came in; the piece they belong to follows once it is whole.
    void bytesArrived();
    // The device vanished; what came before it has been delivered.
    void lineLost();

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
