#include "link/TComm.h"

#include "link/CommsError.h"
#include "link/SerialIo.h"

TComm::TComm(QObject *parent) : QObject(parent), m_io(new SerialIo)
{
    setObjectName(QStringLiteral("Comm1"));
    m_thread.setObjectName(QStringLiteral("Comm1 I/O"));
    m_io->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_io, &QObject::deleteLater);
    connect(m_io, &SerialIo::pieceReceived, this, &TComm::ReceiveData);
    m_thread.start(QThread::HighPriority);
}

TComm::~TComm()
{
    ClosePort();
    m_thread.quit();
    m_thread.wait();
}

void TComm::OpenPort()
{
    ClosePort();
    QString failure;
    const QString name = CommName;
    QMetaObject::invokeMethod(
        m_io, [this, name, &failure] { failure = m_io->open(name); }, Qt::BlockingQueuedConnection);
    if (!failure.isEmpty())
        throw CommsError(failure);
    m_open = true;
}

void TComm::ClosePort()
{
    if (!m_open)
        return;
    QMetaObject::invokeMethod(
        m_io, [this] { m_io->close(); }, Qt::BlockingQueuedConnection);
    m_open = false;
}

bool TComm::WritePort(const QByteArray &data)
{
    if (!m_open || data.isEmpty())
        return false;
    QMetaObject::invokeMethod(
        m_io, [io = m_io, data] { io->write(data); }, Qt::QueuedConnection);
    return true;
}
