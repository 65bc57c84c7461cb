// The simulated collector on a wall clock the test moves, and the tool's way of reading a reply.
#pragma once

#include "Collector.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>

namespace simtest {

using sim::Collector;
using sim::Link;

inline const QDateTime startTime(QDate(2025, 6, 15), QTime(12, 30, 0));

struct Rig
{
    QDateTime now = startTime;
    Collector collector{[this] { return now; }};

    QByteArray ask(const QByteArray &command, Link link = Link::Serial)
    {
        const QList<QByteArray> pieces = collector.answer(command, link);
        return pieces.isEmpty() ? QByteArray() : pieces.first();
    }
};

// What the tool reads: the n characters k places after the first occurrence of the tag. "ST?:" stands for
// the station tag whose third character is not examined.
inline QByteArray fieldAt(const QByteArray &text, const QByteArray &tag, int k, int n)
{
    for (qsizetype p = 0; p + tag.size() <= text.size(); ++p) {
        bool same = true;
        for (qsizetype j = 0; j < tag.size() && same; ++j)
            same = (tag == "ST?:" && j == 2) || text[p + j] == tag[j];
        if (same)
            return text.mid(p + k, n);
    }
    return "<no " + tag + ">";
}

struct Field
{
    QByteArray tag;
    int k;
    int n;
};

} // namespace simtest

Q_DECLARE_METATYPE(QList<simtest::Field>)
