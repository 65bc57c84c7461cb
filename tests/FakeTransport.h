#pragma once

#include "link/Transport.h"

#include <QByteArrayList>

// Records what the send step hands to a transport.
class FakeTransport : public Transport
{
public:
    QByteArrayList sent;
    bool send(const QByteArray &text) override
    {
        sent << text;
        return true;
    }
};
