#include "GatewayServer.h"

#include <QTcpSocket>

namespace sim {

GatewayServer::GatewayServer(Collector &collector, LinkOptions options, QObject *parent)
    : QObject(parent), m_collector(collector), m_options(options)
{
    connect(&m_server, &QTcpServer::newConnection, this, &GatewayServer::accept);
}

bool GatewayServer::listen(const QHostAddress &address, quint16 port)
{
    return m_server.listen(address, port);
}

void GatewayServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        const QString name = QStringLiteral("tcp:%1").arg(socket->peerPort());
        auto *session = new LinkSession(
            m_collector, Link::Tcp, name, m_options,
            [socket](const QByteArray &bytes) {
                return socket->state() == QAbstractSocket::ConnectedState ? socket->write(bytes) : qint64(-1);
            },
            socket);
        connect(socket, &QTcpSocket::readyRead, session,
                [socket, session] { session->receive(socket->readAll()); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

} // namespace sim
