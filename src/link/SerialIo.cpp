#include "link/SerialIo.h"

#include "link/SerialDevice.h"

SerialIo::SerialIo()
{
    m_port.setParent(this);
    m_quiet.setParent(this);
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QuietMs);
    m_quiet.setTimerType(Qt::PreciseTimer);
    connect(&m_quiet, &QTimer::timeout, this, &SerialIo::endPiece);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialIo::readAvailable);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialIo::onError);
}

QString SerialIo::open(const QString &name)
{
    close();
    if (const QString refusal = notASerialLine(name); !refusal.isEmpty())
        return refusal;
    m_port.setPortName(name);
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
    m_piece.clear();
    if (m_port.isOpen())
        m_port.close();
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
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
        error == QSerialPort::WriteError)
        hangUp();
}

// The device vanished (adapter pulled, far end closed): deliver what came before,
// then stop reading and writing quietly. The port stays "open" for the window until
// it is closed; a closed QSerialPort keeps no notifier that could spin.
void SerialIo::hangUp()
{
    m_quiet.stop();
    endPiece();
    if (m_port.isOpen())
        m_port.close();
}
