#pragma once

#include <QDateTime>
#include <QList>

namespace sim {

// The records the collector keeps: one every `interval` seconds, oldest first.
class HistoryStore
{
public:
    static constexpr int generatedRecords = 200;
    static constexpr qint64 interval = 15 * 60;

    // Fills the store with generatedRecords records ending at the last whole interval before `now`.
    void generate(const QDateTime &now);
    void clear() { m_times.clear(); }
    qsizetype size() const { return m_times.size(); }

    // Times of up to `count` records at or after `start`, oldest first; with their 1-based numbers.
    struct Entry
    {
        int number = 0;
        QDateTime time;
    };
    QList<Entry> select(const QDateTime &start, int count) const;

private:
    QList<QDateTime> m_times;
};

} // namespace sim
