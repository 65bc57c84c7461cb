#include "ui/ReadingsChart.h"

#include "ui/ReadingSeries.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <cmath>

namespace {

// Which value axis a kind of reading is drawn against.
int axisOf(Plot plot)
{
    switch (plot) {
    case Plot::Analog:
        return 0;
    case Plot::Pulses:
        return 2;
    default:
        return 1;
    }
}

// A little room above and below, so that a flat line does not lie on the frame.
std::pair<double, double> padded(double low, double high)
{
    const double margin = high > low ? (high - low) * 0.05 : std::max(1.0, std::abs(high) * 0.05);
    return {low - margin, high + margin};
}

// Readings added to the short lines before the chart is drawn whole again.
constexpr int MostAddedBetweenRefreshes = 120;

} // namespace

ReadingsChart::ReadingsChart(const ReadingSeries &store, QWidget *parent)
    : QChartView(parent), m_store(store), m_time(new QDateTimeAxis)
{
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->addAxis(m_time, Qt::AlignBottom);
    const QString titles[] = {tr("Analog"), tr("Voltage (V), digital inputs"), tr("Totalizers")};
    for (int i = 0; i < 3; ++i) {
        auto *axis = new QValueAxis;
        axis->setTitleText(titles[i]);
        axis->setLabelFormat(i == 2 ? QStringLiteral("%.0f") : QStringLiteral("%.6g"));
        chart->addAxis(axis, i == 0 ? Qt::AlignLeft : Qt::AlignRight);
        m_axes << axis;
    }
    for (const ReadingColumn *column : ReadingSeries::drawn()) {
        auto *line = new QLineSeries;
        line->setObjectName(QLatin1String(column->name));
        line->setName(QLatin1String(column->title));
        chart->addSeries(line);
        line->attachAxis(m_time);
        line->attachAxis(m_axes.at(axisOf(column->plot)));
        m_lines << line;
    }
    for (QLegendMarker *marker : chart->legend()->markers())
        connect(marker, &QLegendMarker::clicked, this, [this, marker] { toggle(marker); });
    for (QLineSeries *line : m_lines) {
        auto *recent = new QLineSeries;
        chart->addSeries(recent);
        recent->attachAxis(m_time);
        recent->attachAxis(line->attachedAxes().at(1));
        recent->setPen(line->pen());
        chart->legend()->markers(recent).first()->setVisible(false);
        m_recent << recent;
    }
    setChart(chart);
    setRenderHint(QPainter::Antialiasing, false);
    setMinimumSize(480, 300);
}

void ReadingsChart::toggle(QLegendMarker *marker)
{
    setSeriesShown(int(m_lines.indexOf(marker->series())), !marker->series()->isVisible());
}

void ReadingsChart::setSeriesShown(int drawn, bool shown)
{
    QLineSeries *line = m_lines.value(drawn);
    if (!line)
        return;
    line->setVisible(shown);
    m_recent.at(drawn)->setVisible(shown);
    // The entry stays, greyed, so that the series can be shown again.
    for (QLegendMarker *marker : chart()->legend()->markers(line)) {
        marker->setVisible(true);
        QColor text = marker->labelBrush().color();
        text.setAlphaF(shown ? 1.0 : 0.4);
        marker->setLabelBrush(text);
    }
    refresh();
}

void ReadingsChart::refresh()
{
    for (QLineSeries *recent : m_recent)
        recent->clear();
    if (m_store.isEmpty()) {
        for (QLineSeries *line : m_lines)
            line->clear();
        const QDateTime now = QDateTime::currentDateTime();
        m_time->setRange(now.addSecs(-60), now);
        return;
    }
    // Two points a pixel at most: enough for the eye, however many readings are kept.
    const int buckets = std::max(16, int(chart()->plotArea().width()));
    std::array<std::pair<double, double>, 3> ranges;
    std::array<bool, 3> any{};
    for (int i = 0; i < int(m_lines.size()); ++i) {
        QLineSeries *line = m_lines.at(i);
        if (!line->isVisible())
            continue;
        ReadingSeries::Line drawn = m_store.line(i, buckets);
        if (drawn.points.isEmpty()) {
            line->clear();
            continue;
        }
        line->replace(drawn.points);
        m_recent.at(i)->append(drawn.points.last());
        const int axis = axisOf(ReadingSeries::drawn()[std::size_t(i)]->plot);
        ranges[axis] = any[axis] ? std::pair(std::min(ranges[axis].first, drawn.low),
                                             std::max(ranges[axis].second, drawn.high))
                                 : std::pair(drawn.low, drawn.high);
        any[axis] = true;
    }
    for (int axis = 0; axis < 3; ++axis) {
        const auto [low, high] = any[axis] ? padded(ranges[axis].first, ranges[axis].second) : padded(0, 1);
        m_axes.at(axis)->setRange(low, high);
    }
    // The time axis reaches a little past the newest reading, so that the next ones are added to the lines
    // as they are, without the axes being laid out anew for each.
    const qint64 first = m_store.firstMs();
    const qint64 span = std::max<qint64>(m_store.lastMs() - first, 60 * 1000);
    m_timeEnd = m_store.lastMs() + std::max<qint64>(span / 20, 60 * 1000);
    m_time->setFormat(span > ReadingSeries::Day / 2 ? QStringLiteral("MM-dd HH:mm")
                                                    : QStringLiteral("HH:mm:ss"));
    m_time->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(m_timeEnd));
    m_sinceWhole = 0;
}

void ReadingsChart::added()
{
    if (m_store.isEmpty() || m_store.lastMs() > m_timeEnd || ++m_sinceWhole > MostAddedBetweenRefreshes) {
        refresh();
        return;
    }
    const double at = double(m_store.lastMs());
    for (int i = 0; i < int(m_lines.size()); ++i) {
        const double value = m_store.lastValue(i);
        if (!m_lines.at(i)->isVisible() || std::isnan(value))
            continue;
        m_recent.at(i)->append(at, value);
        widen(axisOf(ReadingSeries::drawn()[std::size_t(i)]->plot), value);
    }
}

void ReadingsChart::widen(int axis, double value)
{
    QValueAxis *values = m_axes.at(axis);
    if (value >= values->min() && value <= values->max())
        return;
    const auto [low, high] = padded(std::min(value, values->min()), std::max(value, values->max()));
    values->setRange(low, high);
}

void ReadingsChart::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    refresh();
}
