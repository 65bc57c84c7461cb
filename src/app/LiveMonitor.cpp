#include "app/LiveMonitor.h"

#include "commands/LinkMode.h"
#include "link/TClientSocket.h"
#include "link/TComm.h"
#include "link/Trace.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

LiveMonitor::LiveMonitor(QWidget *window, Form &form, TComm &serial, TClientSocket &gateway, Trace &trace,
                         std::function<bool()> actionRunning)
    : QObject(window), m_window(window), m_form(form), m_serial(serial), m_gateway(gateway),
      m_actionRunning(std::move(actionRunning)),
      m_toggle(window->findChild<QCheckBox *>(QStringLiteral("Monitor"))),
      m_interval(window->findChild<QSpinBox *>(QStringLiteral("MonitorInterval"))),
      m_query(window->findChild<QPushButton *>(QStringLiteral("Button124"))),
      m_parseTimer(window->findChild<QTimer *>(QStringLiteral("Timer6")))
{
    trace.setListener([this](bool sent) { sent ? m_activity.sent() : m_activity.received(); });
    // A serial piece is framed 100 ms after its last byte: the bytes on their way count too.
    connect(&serial, &TComm::BytesArrived, this, [this] { m_activity.received(); });
    // A vanished device leaves the port "open" until "Close"; every press of the button starts afresh.
    connect(&serial, &TComm::LineLost, this, [this] {
        m_serialGone = true;
        stop();
    });
    connect(window->findChild<QPushButton *>(QStringLiteral("Button10")), &QPushButton::clicked, this,
            [this] { m_serialGone = false; });
    connect(&m_timer, &QTimer::timeout, this, &LiveMonitor::turn);
    connect(m_toggle, &QCheckBox::toggled, this, [this](bool on) { on ? start() : stop(); });
    connect(m_interval, &QSpinBox::valueChanged, this, [this](int seconds) {
        if (isRunning())
            m_timer.start(seconds * 1000);
    });
}

bool LiveMonitor::linkOpen() const
{
    return isIpMode(m_form) ? m_gateway.Active() : m_serial.isOpen() && !m_serialGone;
}

bool LiveMonitor::exchangeInFlight() const
{
    return m_actionRunning() || (m_parseTimer && m_parseTimer->isActive()) || m_activity.inFlight();
}

void LiveMonitor::start()
{
    if (isRunning())
        return;
    if (!linkOpen()) {
        m_toggle->setChecked(false);
        auto *box = new QMessageBox(QMessageBox::NoIcon, m_window->windowTitle(),
                                    tr("Monitor needs an open link: press \"Open\" or \"Connect\" first."),
                                    QMessageBox::Ok, m_window);
        box->setObjectName(QStringLiteral("MonitorNoLink"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        return;
    }
    m_skipped = 0;
    m_timer.start(m_interval->value() * 1000);
    m_toggle->setChecked(true);
    turn();
}

void LiveMonitor::stop()
{
    m_timer.stop();
    m_toggle->setChecked(false);
}

void LiveMonitor::turn()
{
    if (!linkOpen()) {
        stop();
        return;
    }
    if (exchangeInFlight()) {
        ++m_skipped;
        return;
    }
    m_query->click();
}
