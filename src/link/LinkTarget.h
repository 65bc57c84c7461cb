#pragma once

#include <QString>

// Where a session talks to the collector: a serial device or a gateway address.
struct LinkTarget
{
    QString serialDevice; // empty: the gateway
    QString gatewayAddress;
    quint16 gatewayPort = 7000;

    bool isGateway() const { return serialDevice.isEmpty(); }
    QString name() const
    {
        return isGateway() ? gatewayAddress + u':' + QString::number(gatewayPort) : serialDevice;
    }
    // The shortest silence that can end an answer here: longer than the link's own
    // framing (100 ms of quiet ends a serial piece; the gateway's bytes are read
    // 300 ms after the first of them).
    int shortestQuietMs() const { return isGateway() ? 400 : 200; }
};
