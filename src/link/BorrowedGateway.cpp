#include "link/BorrowedGateway.h"

#include "link/TClientSocket.h"

BorrowedGateway::BorrowedGateway(TClientSocket &socket)
    : m_socket(socket), m_guard(socket.notificationGuard()), m_onConnect(socket.OnConnect),
      m_onDisconnect(socket.OnDisconnect), m_onRead(socket.OnRead)
{
}

BorrowedGateway::~BorrowedGateway()
{
    m_socket.setNotificationGuard(m_guard);
    m_socket.OnConnect = m_onConnect;
    m_socket.OnDisconnect = m_onDisconnect;
    m_socket.OnRead = m_onRead;
}

void BorrowedGateway::tellOwnerDisconnected() const
{
    if (m_onDisconnect)
        m_onDisconnect();
}
