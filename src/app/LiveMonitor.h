#pragma once

#include "link/ExchangeActivity.h"

#include <QObject>
#include <QTimer>

#include <functional>

class Form;
class QAbstractButton;
class QCheckBox;
class QSpinBox;
class QWidget;
class TClientSocket;
class TComm;
class Trace;

// "Monitor" on the "Data Query" page: every `MonitorInterval` seconds it clicks
// "Manual Query" over the window's open link, so that each answer is read into the
// page as a click's is. A turn that finds another exchange in flight (a command whose
// answer is awaited or still being read, a profile action) is skipped, never queued.
// It stops when the link is closed or lost.
class LiveMonitor : public QObject
{
    Q_OBJECT
public:
    LiveMonitor(QWidget *window, Form &form, TComm &serial, TClientSocket &gateway, Trace &trace,
                std::function<bool()> actionRunning);

    bool isRunning() const { return m_timer.isActive(); }
    void stop();
    // Turns since the start that were skipped for another exchange.
    int skippedTurns() const { return m_skipped; }

private:
    void start();
    void turn();
    bool linkOpen() const;
    bool exchangeInFlight() const;

    QWidget *m_window;
    Form &m_form;
    TComm &m_serial;
    TClientSocket &m_gateway;
    std::function<bool()> m_actionRunning;
    QCheckBox *m_toggle;
    QSpinBox *m_interval;
    QAbstractButton *m_query;
    QTimer *m_parseTimer;
    QTimer m_timer;
    ExchangeActivity m_activity;
    int m_skipped = 0;
    bool m_serialGone = false;
};
