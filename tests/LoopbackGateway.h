#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <sys/socket.h>

// A gateway on 127.0.0.1 (never any other address) with its side of the one connection.
struct LoopbackGateway
{
    QTcpServer server;
    QTcpSocket *peer = nullptr;

    LoopbackGateway()
    {
        if (!server.listen(QHostAddress::LocalHost))
            qFatal("no loopback server");
    }
    quint16 port() const { return server.serverPort(); }
    bool accept()
    {
        if (!server.hasPendingConnections() && !server.waitForNewConnection(2000))
            return false;
        peer = server.nextPendingConnection();
        return peer != nullptr;
    }
    void send(const QByteArray &bytes)
    {
        peer->write(bytes);
        peer->flush();
    }
    // What the tool sent: waits up to 2 s for size bytes.
    QByteArray received(int size)
    {
        for (int i = 0; i < 100 && peer->bytesAvailable() < size; ++i)
            QTest::qWait(20);
        return peer->readAll();
    }
    // Ends the connection with a reset (RST) rather than an orderly close.
    void reset()
    {
        const linger hard{1, 0};
        ::setsockopt(int(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        peer->abort();
    }
};
