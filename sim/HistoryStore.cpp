#include "HistoryStore.h"

namespace sim {

void HistoryStore::generate(const QDateTime &now)
{
    const qint64 last = now.toSecsSinceEpoch() / interval * interval;
    m_times.clear();
    for (int i = generatedRecords - 1; i >= 0; --i)
        m_times.append(QDateTime::fromSecsSinceEpoch(last - i * interval));
}

QList<HistoryStore::Entry> HistoryStore::select(const QDateTime &start, int count) const
{
    QList<Entry> entries;
    for (qsizetype i = 0; i < m_times.size() && entries.size() < count; ++i) {
        if (m_times[i] >= start)
            entries.append(Entry{int(i + 1), m_times[i]});
    }
    return entries;
}

} // namespace sim
