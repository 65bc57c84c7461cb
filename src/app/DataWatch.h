#pragma once

#include "replies/HistoryRecords.h"
#include "ui/ReadingSeries.h"

#include <QObject>

class Form;
class HistoryChartWindow;
class LiveChart;
class LiveMonitor;
class ProfileActions;
class QWidget;
class TClientSocket;
class TComm;
class Trace;
struct ExchangeState;

// What the "Data Query" page adds to its queries: the monitor, the live readings of
// the last 24 hours and their chart, and the records of the history downloads with
// their chart and CSV export. It reads the answers the parse is about to read.
class DataWatch : public QObject
{
    Q_OBJECT
public:
    DataWatch(QWidget *window, Form &form, TComm &serial, TClientSocket &gateway, Trace &trace,
              const ProfileActions &profiles);

    // The parse timer fired; the parse of what it holds follows.
    void parsing(const ExchangeState &exchange);
    // "Close", "Disconnect", a lost link: the monitor stops.
    void linkEnded();
    // The window closes: the monitor stops, the chart windows close.
    void windowClosed();

    LiveMonitor &monitor() { return *m_monitor; }
    const ReadingSeries &liveReadings() const { return m_live; }
    const HistoryRecords &history() const { return m_history; }
    LiveChart *liveChart() const { return m_liveChart; }
    HistoryChartWindow *historyChart() const { return m_historyChart; }
    void showLiveChart();
    void showHistoryChart();
    // Every whole record of the downloads since "Clear Buffer"; false after saying why not.
    bool exportHistory(const QString &path);

private:
    void liveReply(const QByteArray &reply);
    void historyChanged();
    void exportHistoryAsked(QWidget *parent);
    QByteArray historyCsv() const;

    QWidget *m_window;
    LiveMonitor *m_monitor;
    ReadingSeries m_live{ReadingSeries::Day};
    HistoryRecords m_history;
    LiveChart *m_liveChart = nullptr;
    HistoryChartWindow *m_historyChart = nullptr;
};
