#pragma once

#include <QByteArray>

// Where the send step hands a command. A transport that is not open drops the
// text silently; the send step ignores the result either way.
class Transport
{
public:
    virtual ~Transport() = default;
    virtual void send(const QByteArray &text) = 0;
};
