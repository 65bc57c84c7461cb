#pragma once

#include <QList>

class ReadingSeries;

#ifdef TL380_NO_CHARTS
#include <QLabel>

// A build without Qt Charts (a Qt for Windows without it): the chart's place says so;
// the windows around it still export what they hold.
class ReadingsChart : public QLabel
{
public:
    explicit ReadingsChart(const ReadingSeries &store, QWidget *parent = nullptr);
    void refresh() {}
    void added() {}
    void setSeriesShown(int, bool) {}
};
#else
#include <QChartView>

class QDateTimeAxis;
class QLegendMarker;
class QLineSeries;
class QValueAxis;

// A chart of readings against time: the analog channels on the left axis, the
// battery voltage and the digital inputs on the first right axis, the totalizers on
// the second. A click on a legend entry hides or shows its series.
class ReadingsChart : public QChartView
{
    Q_OBJECT
public:
    explicit ReadingsChart(const ReadingSeries &store, QWidget *parent = nullptr);

    // Draws the store again: every shown series, each axis fitted to what it shows.
    void refresh();
    // The store's newest reading is added to the lines as it is; the whole chart is drawn
    // again when the reading lies past the time axis, or after many readings.
    void added();
    QLineSeries *series(int drawn) const { return m_lines.at(drawn); }
    void setSeriesShown(int drawn, bool shown);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void toggle(QLegendMarker *marker);
    void widen(int axis, double value);

    const ReadingSeries &m_store;
    QList<QLineSeries *> m_lines;
    // Each line's readings since it was last drawn whole: a short line of its own in the same pen,
    // so that an added reading costs as much as the few points since then, not the whole day's.
    QList<QLineSeries *> m_recent;
    QDateTimeAxis *m_time;
    QList<QValueAxis *> m_axes;
    qint64 m_timeEnd = 0;
    int m_sinceWhole = 0;
};
#endif
