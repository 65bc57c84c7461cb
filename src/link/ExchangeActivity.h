#pragma once

#include <QElapsedTimer>

// Whether an exchange is in flight on the window's link: from a command that left
// until its answer is over. An answer is over once the link has been quiet for
// QuietMs after its last byte (a history download keeps it going for as long as its
// records flow); a command that brings no byte at all is given up after AnswerWaitMs.
class ExchangeActivity
{
public:
    static constexpr int QuietMs = 500;
    static constexpr int AnswerWaitMs = 3000;

    void sent();
    // A piece, or bytes of one, came in.
    void received();
    bool inFlight() const;

private:
    QElapsedTimer m_sent;
    QElapsedTimer m_received;
    bool m_answered = true;
};
