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

// One colour a series, told apart at a glance (the theme's own run out after five).
// clang-format off
const QColor colours[DrawnReadings] = {
    QColor(0x11, 0x11, 0x11),                                                   // voltage
    QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c), // AD01 to AD03
    QColor(0xd6, 0x27, 0x28), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), // AD04 to AD06
    QColor(0xe3, 0x77, 0xc2), QColor(0xbc, 0xbd, 0x22), QColor(0x17, 0xbe, 0xcf), // P01 to P03
    QColor(0x7f, 0x7f, 0x7f), QColor(0xc9, 0xa2, 0x00),                           // DIN1, DIN2
};
// clang-format on

// A little room above and below, so that a flat line does not lie on the frame; none below
// zero for readings that never go below it.
std::pair<double, double> padded(double low, double high)
{
    const double margin = high > low ? (high - low) * 0.05 : std::max(1.0, std::abs(high) * 0.05);
    return {low >= 0 ? std::max(0.0, low - margin) : low - margin, high + margin};
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
        axis->setLabelFormat(QStringLiteral("%.10g"));
        chart->addAxis(axis, i == 0 ? Qt::AlignLeft : Qt::AlignRight);
        m_axes << axis;
    }
    for (const ReadingColumn *column : ReadingSeries::drawn()) {
        auto *line = new QLineSeries;
        line->setObjectName(QLatin1String(column->name));
        line->setName(QLatin1String(column->title));
        line->setColor(colours[m_lines.size()]);
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
    QList<ReadingSeries::Line> drawn(m_lines.size());
    std::array<std::pair<double, double>, 3> ranges;
    std::array<bool, 3> any{};
    for (int i = 0; i < int(m_lines.size()); ++i) {
        // Emptied first: each axis set below lays out every line it carries once more.
        m_lines.at(i)->clear();
        if (!m_lines.at(i)->isVisible())
            continue;
        drawn[i] = m_store.line(i, buckets);
        if (drawn[i].points.isEmpty())
            continue;
        const int axis = axisOf(ReadingSeries::drawn()[std::size_t(i)]->plot);
        ranges[axis] = any[axis] ? std::pair(std::min(ranges[axis].first, drawn[i].low),
                                             std::max(ranges[axis].second, drawn[i].high))
                                 : std::pair(drawn[i].low, drawn[i].high);
        any[axis] = true;
    }
    for (int axis = 0; axis < 3; ++axis) {
        const auto [low, high] = any[axis] ? padded(ranges[axis].first, ranges[axis].second) : padded(0, 1);
        m_axes.at(axis)->setRange(low, high);
        m_axes.at(axis)->applyNiceNumbers();
    }
    // The time axis reaches a little past the newest reading, so that the next ones are added to the lines
    // as they are, without the axes being laid out anew for each.
    const qint64 first = m_store.firstMs();
    const qint64 span = std::max<qint64>(m_store.lastMs() - first, 60 * 1000);
    m_timeEnd = m_store.lastMs() + std::max<qint64>(span / 20, 10 * 1000);
    m_time->setFormat(span > ReadingSeries::Day / 2 ? QStringLiteral("MM-dd HH:mm")
                                                    : QStringLiteral("HH:mm:ss"));
    m_time->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(m_timeEnd));
    for (int i = 0; i < int(m_lines.size()); ++i) {
        if (drawn[i].points.isEmpty())
            continue;
        m_lines.at(i)->replace(drawn[i].points);
        m_recent.at(i)->append(drawn[i].points.last());
    }
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
    values->applyNiceNumbers();
}

void ReadingsChart::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    refresh();
}
