#pragma once

#include <functional>

class TClientSocket;

// The gateway connection of another owner (the window), lent to a session: while
// this lives the session sets the connection's events; at its end the owner's
// events are back, the connection left as it is.
class BorrowedGateway
{
public:
    explicit BorrowedGateway(TClientSocket &socket);
    ~BorrowedGateway();
    BorrowedGateway(const BorrowedGateway &) = delete;
    BorrowedGateway &operator=(const BorrowedGateway &) = delete;

    // The owner learns that its connection is gone.
    void tellOwnerDisconnected() const;

private:
    TClientSocket &m_socket;
    std::function<void(const std::function<void()> &)> m_guard;
    std::function<void()> m_onConnect;
    std::function<void()> m_onDisconnect;
    std::function<void()> m_onRead;
};
