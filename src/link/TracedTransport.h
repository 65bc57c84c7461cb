#pragma once

#include "link/Trace.h"
#include "link/Transport.h"

// A transport that notes in the trace what it hands on, the text as the send step gives it, and
// what it could not: a command given while its link is closed never leaves.
class TracedTransport : public Transport
{
public:
    TracedTransport(Transport &inner, Trace &trace, const char *link)
        : m_inner(inner), m_trace(trace), m_link(link)
    {
    }
    bool send(const QByteArray &text) override
    {
        const bool sent = m_inner.send(text);
        if (sent)
            m_trace.sent(m_link, text);
        else
            m_trace.notSent(m_link, text);
        return sent;
    }

private:
    Transport &m_inner;
    Trace &m_trace;
    const char *m_link;
};
