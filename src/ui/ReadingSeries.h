#pragma once

#include "replies/Readings.h"

#include <QByteArray>
#include <QList>
#include <QPointF>

#include <array>
#include <deque>

// The readings a chart draws, against time (milliseconds since the epoch), in the
// order they were taken; each with its CSV row. QtCore only.
class ReadingSeries
{
public:
    static constexpr qint64 Day = 24 * 3600 * 1000;

    // `keepMs`: how far behind the newest reading the oldest may be (0: no limit).
    explicit ReadingSeries(qint64 keepMs = 0);

    // The drawn columns, in their order.
    static const std::array<const ReadingColumn *, DrawnReadings> &drawn();

    // A reading taken at `ms`, not before the last one; older ones beyond the span go.
    void append(qint64 ms, const QStringList &readings, const QByteArray &csvRow = {});
    void clear() { m_samples.clear(); }

    qsizetype size() const { return qsizetype(m_samples.size()); }
    bool isEmpty() const { return m_samples.empty(); }
    qint64 firstMs() const { return m_samples.front().ms; }
    qint64 lastMs() const { return m_samples.back().ms; }
    // Every CSV row kept, oldest first.
    QByteArray csvRows() const;

    // A drawn series' points, at most the lowest and the highest of each of `buckets`
    // equal spans of time (a line through them looks as the whole series would at that
    // width); with their lowest and highest value. Readings without a value are left out.
    struct Line
    {
        QList<QPointF> points;
        double low = 0;
        double high = 0;
    };
    Line line(int series, int buckets) const;
    // The newest reading's value in a drawn series; NaN when it has none.
    double lastValue(int series) const { return m_samples.back().values[std::size_t(series)]; }

private:
    struct Sample
    {
        qint64 ms;
        std::array<double, DrawnReadings> values;
        QByteArray csvRow;
    };

    qint64 m_keepMs;
    std::deque<Sample> m_samples;
};
