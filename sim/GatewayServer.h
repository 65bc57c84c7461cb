#pragma once

#include "Collector.h"
#include "LinkSession.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

namespace sim {

// The network gateway in front of the collector: a TCP server whose every connection is a link of its
// own to the one collector. "ZZZZ" in front of a command is dropped; commands without it are answered
// alike. Replies go out unpaced: the tool reads a TCP reply 300 ms after its first byte.
class GatewayServer : public QObject
{
    Q_OBJECT
public:
    GatewayServer(Collector &collector, LinkOptions options, QObject *parent = nullptr);

    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void accept();

    Collector &m_collector;
    LinkOptions m_options;
    QTcpServer m_server;
};

} // namespace sim
