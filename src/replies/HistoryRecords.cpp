#include "replies/HistoryRecords.h"

void HistoryRecords::add(const QByteArray &piece)
{
    m_pending += piece;
    qsizetype start = 0;
    for (qsizetype end; (end = m_pending.indexOf("\r\n", start)) >= 0; start = end + 2)
        if (end > start)
            m_records << m_pending.mid(start, end - start);
    m_pending.remove(0, start);
}

void HistoryRecords::clear()
{
    m_records.clear();
    m_pending.clear();
}
