#pragma once

#include "link/SerialLine.h"

#include <QThread>

#include <atomic>
#include <memory>

// The serial port on Windows, through the system's comm calls. The system frames the input: an
// overlapped read of up to 2048 bytes ends after 100 ms without a byte (the read interval time-out).
// Reads run on a reader thread of the line's own; writes, the opening and the close run on the
// transport's I/O thread.
class WinSerialIo : public SerialLine
{
    Q_OBJECT
public:
    WinSerialIo() = default;
    ~WinSerialIo() override;

    QString open(const QString &name) override;
    void close() override;
    void write(const QByteArray &data) override;

private:
    void readUntilStopped();
    void drainOutput();

    void *m_handle = nullptr;
    std::unique_ptr<QThread> m_reader;
    std::atomic_bool m_stopping = false;
};
