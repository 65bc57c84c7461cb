#include "link/SerialIo.h"

#include "link/SerialDevice.h"

#include <QDeadlineTimer>
#include <QThread>

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

namespace {

// After a read that found nothing, reading starts again this much later: another
// program on the same line (a modem manager probing it) may take the bytes first.
constexpr int RearmMs = 10;

// A byte on the line at 9600 bit/s with a start and a stop bit.
constexpr double MsPerByte = 10.0 * 1000.0 / 9600.0;

} // namespace

std::unique_ptr<SerialLine> makeSerialLine()
{
    return std::make_unique<SerialIo>();
}

SerialIo::SerialIo()
{
    m_port.setParent(this);
    m_quiet.setParent(this);
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QuietMs);
    m_quiet.setTimerType(Qt::PreciseTimer);
    connect(&m_quiet, &QTimer::timeout, this, &SerialIo::endPiece);
    m_rearm.setParent(this);
    m_rearm.setSingleShot(true);
    m_rearm.setInterval(RearmMs);
    // A read, even of nothing, has the port watch the line again.
    connect(&m_rearm, &QTimer::timeout, this, [this] {
        if (m_port.isOpen())
            readAvailable();
    });
    connect(&m_port, &QSerialPort::readyRead, this, &SerialIo::readAvailable);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialIo::onError);
}

QString SerialIo::open(const QString &name)
{
    close();
    // The check and the port look at the same file.
    const QString path = serialLinePath(name);
    if (const QString refusal = notASerialLine(path); !refusal.isEmpty())
        return refusal;
    m_port.setPortName(path);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const bool notALine = m_port.error() == QSerialPort::UnsupportedOperationError;
        m_port.clearError();
        return notALine ? QStringLiteral("Cannot setup comm buffer")
                        : QStringLiteral("Error opening serial port");
    }
    // Lines a pseudo-terminal does not have are simply not asserted.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    m_port.clear(QSerialPort::AllDirections);
    m_port.clearError();
    return {};
}

void SerialIo::close()
{
    m_quiet.stop();
    m_rearm.stop();
    m_piece.clear();
    if (!m_port.isOpen())
        return;
    drainOutput();
    m_port.close();
}

// What the window wrote before the close reaches the line: the port's own buffer
// first, then the system's. One deadline covers both, as long as the line needs for
// all of it and a little more, never more than MostDrainMs; past it the rest is
// dropped, so that the close itself does not wait for a line that does not move.
void SerialIo::drainOutput()
{
    qint64 pending = m_port.bytesToWrite();
    const int handle = int(m_port.handle());
    int queued = 0;
    if (handle >= 0 && ::ioctl(handle, TIOCOUTQ, &queued) == 0 && queued > 0)
        pending += queued;
    if (pending <= 0)
        return;
    const QDeadlineTimer deadline(qMin<qint64>(MostDrainMs, qint64(pending * MsPerByte) + 200));
    while (m_port.bytesToWrite() > 0 && !deadline.hasExpired())
        if (!m_port.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime()))))
            break;
    if (handle < 0)
        return;
    while (::ioctl(handle, TIOCOUTQ, &queued) == 0 && queued > 0 && !deadline.hasExpired())
        QThread::msleep(5);
    if (queued > 0)
        ::tcflush(handle, TCOFLUSH);
}

void SerialIo::write(const QByteArray &data)
{
    if (m_port.isOpen())
        m_port.write(data);
}

void SerialIo::readAvailable()
{
    const QByteArray data = m_port.readAll();
    if (data.isEmpty())
        return;
    emit bytesArrived();
    m_piece += data;
    while (m_piece.size() >= MaxPiece) {
        emit pieceReceived(m_piece.first(MaxPiece));
        m_piece.remove(0, MaxPiece);
    }
    if (m_piece.isEmpty())
        m_quiet.stop();
    else
        m_quiet.start();
}

void SerialIo::endPiece()
{
    if (m_piece.isEmpty())
        return;
    emit pieceReceived(m_piece);
    m_piece.clear();
}

void SerialIo::onError(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError)
        return;
    if (lineIsGone()) {
        hangUp();
        return;
    }
    // Nothing to read is no hang-up: another program took the bytes first. The port
    // stops watching the line after such a read; it watches again shortly, never in a spin.
    m_port.clearError();
    if (error != QSerialPort::WriteError && !m_rearm.isActive())
        m_rearm.start();
}

// Whether the device reports a hang-up or an error of its own.
bool SerialIo::lineIsGone() const
{
    pollfd line{int(m_port.handle()), POLLIN, 0};
    if (line.fd < 0)
        return true;
    const int ready = ::poll(&line, 1, 0);
    return ready < 0 || (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// The device vanished (adapter pulled, far end closed): deliver what came before,
// then stop reading and writing quietly. The port stays "open" for the window until
// it is closed; a closed QSerialPort keeps no notifier that could spin.
void SerialIo::hangUp()
{
    m_quiet.stop();
    m_rearm.stop();
    endPiece();
    if (m_port.isOpen()) {
        m_port.close();
        emit lineLost();
    }
}
