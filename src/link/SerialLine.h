#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

// One serial line and its framing, used from the transport's own I/O thread. A piece ends after
// 100 ms without a byte, or when 2048 bytes are in; pieces leave in the order they were read.
// Writes never wait for the window. The system's implementation is chosen when the program is built.
class SerialLine : public QObject
{
    Q_OBJECT
public:
    static constexpr int QuietMs = 100;
    static constexpr qsizetype MaxPiece = 2048;
    // What was written before a close still goes out, for as long as the line needs for it at
    // 9600 bit/s and a little more, but never longer than this: one bound for the port's own
    // buffer and the system's queue together.
    static constexpr int MostDrainMs = 3000;

    // Empty on success, else the message of the failure ("Error opening serial port", ...).
    virtual QString open(const QString &name) = 0;
    // Lets what was written go out first (within MostDrainMs), then closes.
    virtual void close() = 0;
    virtual void write(const QByteArray &data) = 0;

signals:
    void pieceReceived(const QByteArray &piece);
    // Bytes came in; the piece they belong to follows once it is whole.
    void bytesArrived();
    // The device vanished; what came before it has been delivered.
    void lineLost();
};

// The line of this system: QSerialPort on POSIX systems, the native comm calls on Windows.
std::unique_ptr<SerialLine> makeSerialLine();
