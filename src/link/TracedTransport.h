#pragma once

#include "link/Trace.h"
#include "link/Transport.h"

// A transport that notes in the trace what it hands on: the text as the send step gives it.
class TracedTransport : public Transport
{
public:
    TracedTransport(Transport &inner, Trace &trace, const char *link)
        : m_inner(inner), m_trace(trace), m_link(link)
    {
    }
    void send(const QByteArray &text) override
    {
        m_trace.sent(m_link, text);
        m_inner.send(text);
    }

private:
    Transport &m_inner;
    Trace &m_trace;
    const char *m_link;
};
