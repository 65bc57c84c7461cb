#include "link/WinSerialIo.h"

#include "link/SerialDevice.h"

#include <QDeadlineTimer>

#include <windows.h>

namespace {

// A byte on the line at 9600 bit/s with a start and a stop bit.
constexpr double MsPerByte = 10.0 * 1000.0 / 9600.0;
// The system's queues in each direction.
constexpr DWORD QueueBytes = 4096;
// How often the close asks a pending read to end until the reader has ended.
constexpr int CancelRetryMs = 10;
// After a read that brought nothing the reader waits this long, never reading in a spin.
constexpr DWORD EmptyReadPauseMs = 10;

DWORD boundMs(qint64 bytes)
{
    return DWORD(qMin<qint64>(SerialLine::MostDrainMs, qint64(bytes * MsPerByte) + 200));
}

// The line settings: 9600 bit/s, 8 data bits, no parity, 1 stop bit, DTR and RTS asserted, no flow
// control of any kind, NUL bytes and errors passed on as they come.
void applyLineSettings(HANDLE handle)
{
    DCB line{};
    line.DCBlength = sizeof line;
    GetCommState(handle, &line);
    line.BaudRate = CBR_9600;
    line.fBinary = TRUE;
    line.fParity = FALSE;
    line.fOutxCtsFlow = FALSE;
    line.fOutxDsrFlow = FALSE;
    line.fDtrControl = DTR_CONTROL_ENABLE;
    line.fDsrSensitivity = FALSE;
    line.fTXContinueOnXoff = TRUE;
    line.fOutX = FALSE;
    line.fInX = FALSE;
    line.fErrorChar = FALSE;
    line.fNull = FALSE;
    line.fRtsControl = RTS_CONTROL_ENABLE;
    line.fAbortOnError = FALSE;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    SetCommState(handle, &line);
    // A read waits for its first byte as long as it takes, then ends after 100 ms of quiet.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = SerialLine::QuietMs;
    SetCommTimeouts(handle, &timeouts);
}

} // namespace

std::unique_ptr<SerialLine> makeSerialLine()
{
    return std::make_unique<WinSerialIo>();
}

WinSerialIo::~WinSerialIo()
{
    close();
}

QString WinSerialIo::open(const QString &name)
{
    close();
    HANDLE handle = CreateFileW(serialLinePath(name).toStdWString().c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return QStringLiteral("Error opening serial port");
    if (GetFileType(handle) != FILE_TYPE_CHAR) {
        CloseHandle(handle);
        return QStringLiteral("File handle is not a comm handle ");
    }
    if (!SetupComm(handle, QueueBytes, QueueBytes)) {
        CloseHandle(handle);
        return QStringLiteral("Cannot setup comm buffer");
    }
    PurgeComm(handle, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
    applyLineSettings(handle);
    m_handle = handle;
    m_stopping = false;
    m_reader.reset(QThread::create([this] { readUntilStopped(); }));
    m_reader->setObjectName(QStringLiteral("Comm1 reader"));
    m_reader->start(QThread::HighestPriority);
    return {};
}

// Each completed read is one piece. A read that fails (the port went away, or the close cancelled
// it) ends the reader; the line then stays silent until it is closed.
void WinSerialIo::readUntilStopped()
{
    HANDLE handle = m_handle;
    OVERLAPPED pending{};
    pending.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!pending.hEvent)
        return;
    QByteArray buffer(MaxPiece, Qt::Uninitialized);
    while (!m_stopping) {
        ResetEvent(pending.hEvent);
        DWORD count = 0;
        if (!ReadFile(handle, buffer.data(), DWORD(MaxPiece), nullptr, &pending) &&
            GetLastError() != ERROR_IO_PENDING)
            break;
        if (!GetOverlappedResult(handle, &pending, &count, TRUE))
            break;
        if (count == 0) {
            Sleep(EmptyReadPauseMs);
            continue;
        }
        emit bytesArrived();
        emit pieceReceived(buffer.first(count));
    }
    CloseHandle(pending.hEvent);
    if (!m_stopping)
        emit lineLost();
}

void WinSerialIo::close()
{
    if (!m_handle)
        return;
    if (m_reader) {
        m_stopping = true;
        do
            CancelIoEx(m_handle, nullptr);
        while (!m_reader->wait(CancelRetryMs));
        m_reader.reset();
    }
    drainOutput();
    PurgeComm(m_handle, PURGE_RXABORT | PURGE_RXCLEAR);
    CloseHandle(m_handle);
    m_handle = nullptr;
}

// What was written goes out before the close, within the bound; the rest is dropped.
void WinSerialIo::drainOutput()
{
    COMSTAT status{};
    DWORD errors = 0;
    if (!ClearCommError(m_handle, &errors, &status) || status.cbOutQue == 0)
        return;
    const QDeadlineTimer line(boundMs(status.cbOutQue));
    while (!line.hasExpired() && ClearCommError(m_handle, &errors, &status) && status.cbOutQue > 0)
        Sleep(5);
    if (status.cbOutQue > 0)
        PurgeComm(m_handle, PURGE_TXABORT | PURGE_TXCLEAR);
}

// The write is done here, on the I/O thread: the window has long gone on. A write the line does not
// take within the bound is abandoned.
void WinSerialIo::write(const QByteArray &data)
{
    if (!m_handle || data.isEmpty())
        return;
    OVERLAPPED pending{};
    pending.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!pending.hEvent)
        return;
    const QDeadlineTimer bound(boundMs(data.size()) + MostDrainMs);
    qsizetype written = 0;
    while (written < data.size()) {
        ResetEvent(pending.hEvent);
        DWORD count = 0;
        if (!WriteFile(m_handle, data.constData() + written, DWORD(data.size() - written), nullptr,
                       &pending) &&
            GetLastError() != ERROR_IO_PENDING)
            break;
        if (WaitForSingleObject(pending.hEvent, DWORD(qMax<qint64>(0, bound.remainingTime()))) !=
            WAIT_OBJECT_0)
            CancelIoEx(m_handle, &pending);
        if (!GetOverlappedResult(m_handle, &pending, &count, TRUE) || count == 0)
            break;
        written += count;
    }
    CloseHandle(pending.hEvent);
}
