#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

namespace sim {

struct SimOptions
{
    QString serialPath = QStringLiteral("/tmp/ttyTL380");
    quint16 tcpPort = 7000;
    QHostAddress listenAddress = QHostAddress(QHostAddress::LocalHost);
    bool fast = false;
    int splitMs = -1;
    bool drop = false;
    bool garbage = false;
    bool log = false;
};

struct ParsedOptions
{
    std::optional<SimOptions> options; // empty: print message and stop
    QString message;
    bool failed = false;
};

// tl380sim [--serial PATH] [--tcp PORT] [--listen ADDRESS] [--fast] [--split MS] [--drop] [--garbage] [--log]
ParsedOptions parseOptions(const QStringList &arguments);

} // namespace sim
