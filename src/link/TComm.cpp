#include "link/TComm.h"

#include "link/CommsError.h"
#include "link/SerialLine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <memory>

TComm::TComm(QObject *parent) : QObject(parent), m_thread(new QThread), m_io(makeSerialLine().release())
{
    setObjectName(QStringLiteral("Comm1"));
    m_thread->setObjectName(QStringLiteral("Comm1 I/O"));
    m_io->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_io, &QObject::deleteLater);
    connect(m_io, &SerialLine::pieceReceived, this, &TComm::ReceiveData);
    connect(m_io, &SerialLine::bytesArrived, this, &TComm::BytesArrived);
    connect(m_io, &SerialLine::lineLost, this, &TComm::LineLost);
    m_thread->start(QThread::HighPriority);
}

TComm::~TComm()
{
    // What was written still goes out, but the end of the program does not wait
    // for a device that hangs: past the bound the thread is left to the process's end.
    // The thread ends itself once the port is closed.
    QMetaObject::invokeMethod(
        m_io,
        [io = m_io, open = m_open, thread = m_thread] {
            if (open)
                io->close();
            thread->quit();
        },
        Qt::QueuedConnection);
    if (m_thread->wait(MostExitWaitMs))
        delete m_thread;
}

namespace {

// One call on the I/O thread, owned by both threads: whichever lets go last frees it,
// so nothing the work or its answer reaches can be gone when it gets there.
struct IoCall
{
    std::function<QString(SerialLine &)> work;
    QString answer;
    bool done = false;
    // Touched on the window's thread only.
    QEventLoop *waiting = nullptr;
};

} // namespace

// The work runs on the I/O thread; the window's thread waits for it in an event
// loop of its own that paints and runs timers but leaves the user's input for later.
std::optional<QString> TComm::runOnIoThread(std::function<QString(SerialLine &)> work)
{
    const auto call = std::make_shared<IoCall>();
    call->work = std::move(work);
    QMetaObject::invokeMethod(
        m_io,
        [io = m_io, call] {
            call->answer = call->work(*io);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [call] {
                    call->done = true;
                    if (call->waiting)
                        call->waiting->quit();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    QEventLoop waiting;
    call->waiting = &waiting;
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    call->waiting = nullptr;
    if (!call->done)
        return std::nullopt;
    return call->answer;
}

void TComm::OpenPort()
{
    ClosePort();
    const QString name = CommName;
    const std::optional<QString> failure = runOnIoThread([name](SerialLine &io) { return io.open(name); });
    // An open whose answer never came is no open.
    if (!failure || !failure->isEmpty())
        throw CommsError(failure.value_or(QStringLiteral("Error opening serial port")));
    m_open = true;
}

void TComm::ClosePort()
{
    if (!m_open)
        return;
    m_open = false;
    runOnIoThread([](SerialLine &io) {
        io.close();
        return QString();
    });
}

bool TComm::WritePort(const QByteArray &data)
{
    if (!m_open || data.isEmpty())
        return false;
    QMetaObject::invokeMethod(
        m_io, [io = m_io, data] { io->write(data); }, Qt::QueuedConnection);
    return true;
}
