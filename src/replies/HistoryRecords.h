#pragma once

#include <QByteArray>
#include <QList>

// The records of a history download, as the collector sends them: back to back, each
// ending with CR LF, in pieces cut wherever the link cuts them. Pieces go in; whole
// records come out, every one kept until cleared.
class HistoryRecords
{
public:
    // The piece's bytes after those before it; the records it completes are kept.
    void add(const QByteArray &piece);
    // A new download begins: a record left unfinished by the last one is dropped.
    void restart() { m_pending.clear(); }
    void clear();

    const QList<QByteArray> &records() const { return m_records; }

private:
    QList<QByteArray> m_records;
    QByteArray m_pending;
};
