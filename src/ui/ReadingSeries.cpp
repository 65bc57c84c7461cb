#include "ui/ReadingSeries.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double None = std::numeric_limits<double>::quiet_NaN();

} // namespace

ReadingSeries::ReadingSeries(qint64 keepMs) : m_keepMs(keepMs) {}

const std::array<const ReadingColumn *, DrawnReadings> &ReadingSeries::drawn()
{
    static const std::array<const ReadingColumn *, DrawnReadings> columns = [] {
        std::array<const ReadingColumn *, DrawnReadings> found{};
        std::size_t at = 0;
        for (const ReadingColumn &column : readingColumns())
            if (column.plot != Plot::No && at < found.size())
                found[at++] = &column;
        Q_ASSERT(at == found.size());
        return found;
    }();
    return columns;
}

void ReadingSeries::append(qint64 ms, const QStringList &readings, const QByteArray &csvRow)
{
    Sample sample{ms, {}, csvRow};
    const auto columns = readingColumns();
    for (std::size_t i = 0; i < drawn().size(); ++i) {
        const qsizetype at = drawn()[i] - columns.data();
        const std::optional<double> value =
            at < readings.size() ? plottedValue(*drawn()[i], readings.at(at)) : std::nullopt;
        sample.values[i] = value.value_or(None);
    }
    m_samples.push_back(std::move(sample));
    if (m_keepMs > 0)
        while (m_samples.front().ms < ms - m_keepMs)
            m_samples.pop_front();
}

QByteArray ReadingSeries::csvRows() const
{
    QByteArray rows;
    for (const Sample &sample : m_samples)
        rows += sample.csvRow;
    return rows;
}

ReadingSeries::Line ReadingSeries::line(int series, int buckets) const
{
    Line line;
    if (m_samples.empty() || series < 0 || series >= DrawnReadings)
        return line;
    line.low = std::numeric_limits<double>::infinity();
    line.high = -line.low;
    const qint64 first = firstMs();
    const qint64 span = std::max<qint64>(1, lastMs() - first);
    const bool everyPoint = size() <= 2 * qsizetype(buckets);
    qint64 bucket = -1;
    const Sample *low = nullptr;
    const Sample *high = nullptr;
    auto flush = [&] {
        if (!low)
            return;
        const Sample *a = low->ms <= high->ms ? low : high;
        const Sample *b = a == low ? high : low;
        line.points << QPointF(double(a->ms), a->values[series]);
        if (b != a)
            line.points << QPointF(double(b->ms), b->values[series]);
    };
    for (const Sample &sample : m_samples) {
        const double v = sample.values[series];
        if (std::isnan(v))
            continue;
        line.low = std::min(line.low, v);
        line.high = std::max(line.high, v);
        if (everyPoint) {
            line.points << QPointF(double(sample.ms), v);
            continue;
        }
        const qint64 at = std::min<qint64>((sample.ms - first) * buckets / span, buckets - 1);
        if (at != bucket) {
            flush();
            bucket = at;
            low = high = &sample;
        } else if (v < low->values[series]) {
            low = &sample;
        } else if (v > high->values[series]) {
            high = &sample;
        }
    }
    flush();
    if (line.points.isEmpty())
        line.low = line.high = 0;
    return line;
}
