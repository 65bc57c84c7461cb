#pragma once

#include <QByteArray>

// Where the send step hands a command. A transport that is not open drops the
// text and returns false; the send step ignores the result, the trace notes it.
class Transport
{
public:
    virtual ~Transport() = default;
    // Whether the text was handed to an open link.
    virtual bool send(const QByteArray &text) = 0;
};
