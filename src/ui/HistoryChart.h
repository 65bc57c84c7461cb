#pragma once

#include "ui/ReadingSeries.h"

#include <QWidget>

#include <functional>

class ReadingsChart;

// The records of a history download on a chart, by their own times, in a window of
// its own; "Export CSV…" saves them as the page's export does.
class HistoryChartWindow : public QWidget
{
    Q_OBJECT
public:
    HistoryChartWindow(std::function<void()> exportAsked, QWidget *parent);

    // Draws these records; those without a time of their own are not drawn.
    void showRecords(const QList<QByteArray> &records);
    ReadingsChart *chart() const { return m_chart; }
    qsizetype drawnRecords() const { return m_store.size(); }

private:
    ReadingSeries m_store;
    ReadingsChart *m_chart;
};
