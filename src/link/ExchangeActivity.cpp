#include "link/ExchangeActivity.h"

void ExchangeActivity::sent()
{
    m_sent.start();
    m_answered = false;
}

void ExchangeActivity::received()
{
    m_received.start();
    m_answered = true;
}

bool ExchangeActivity::inFlight() const
{
    if (!m_answered)
        return m_sent.elapsed() < AnswerWaitMs;
    return m_received.isValid() && m_received.elapsed() < QuietMs;
}
