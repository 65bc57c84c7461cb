#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class ReadingSeries;
class ReadingsChart;

// The live readings of the last 24 hours on a chart of their own, in a window that
// can be resized. Paused, the chart stays as it is while readings go on being kept;
// "Export CSV…" saves every reading kept.
class LiveChart : public QWidget
{
    Q_OBJECT
public:
    LiveChart(const ReadingSeries &store, QWidget *parent);

    // A reading was added to the store.
    void added();
    bool isPaused() const;
    ReadingsChart *chart() const { return m_chart; }
    // The CSV of every reading kept; false, after saying so, when it could not be saved.
    bool exportTo(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void exportAsked();
    void showCount();

    const ReadingSeries &m_store;
    ReadingsChart *m_chart;
    QPushButton *m_pause;
    QLabel *m_count;
};
