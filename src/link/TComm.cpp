#include "link/TComm.h"

#include "link/CommsError.h"
#include "link/SerialLine.h"

#include <QEventLoop>
#include <QThread>

TComm::TComm(QObject *parent) : QObject(parent), m_thread(new QThread), m_io(makeSerialLine().release())
{
    setObjectName(QStringLiteral("Comm1"));
    m_thread->setObjectName(QStringLiteral("Comm1 I/O"));
    m_io->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_io, &QObject::deleteLater);
    connect(m_io, &SerialLine::pieceReceived, this, &TComm::ReceiveData);
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

// The work runs on the I/O thread; the window's thread waits for it in an event
// loop of its own that paints and runs timers but leaves the user's input for later.
void TComm::runOnIoThread(const std::function<void()> &work)
{
    QEventLoop waiting;
    QMetaObject::invokeMethod(
        m_io,
        [work, loop = &waiting] {
            work();
            QMetaObject::invokeMethod(
                loop, [loop] { loop->quit(); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
}

void TComm::OpenPort()
{
    ClosePort();
    QString failure;
    const QString name = CommName;
    runOnIoThread([io = m_io, name, &failure] { failure = io->open(name); });
    if (!failure.isEmpty())
        throw CommsError(failure);
    m_open = true;
}

void TComm::ClosePort()
{
    if (!m_open)
        return;
    m_open = false;
    runOnIoThread([io = m_io] { io->close(); });
}

bool TComm::WritePort(const QByteArray &data)
{
    if (!m_open || data.isEmpty())
        return false;
    QMetaObject::invokeMethod(
        m_io, [io = m_io, data] { io->write(data); }, Qt::QueuedConnection);
    return true;
}
