#include "app/DataWatch.h"

#include "app/LiveMonitor.h"
#include "app/ProfileActions.h"
#include "commands/ExchangeState.h"
#include "replies/Readings.h"
#include "replies/ReadingsCsv.h"
#include "ui/CsvFile.h"
#include "ui/HistoryChart.h"
#include "ui/LiveChart.h"

#include <QDateTime>
#include <QPushButton>

namespace {

constexpr qint32 LiveDataCode = 999;
constexpr qint32 HistoryCode = 5000;

QPushButton *buttonOf(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

DataWatch::DataWatch(QWidget *window, Form &form, TComm &serial, TClientSocket &gateway, Trace &trace,
                     const ProfileActions &profiles)
    : QObject(window), m_window(window),
      m_monitor(
          new LiveMonitor(window, form, serial, gateway, trace, [&profiles] { return profiles.running(); }))
{
    connect(buttonOf(window, "MonitorChart"), &QPushButton::clicked, this, &DataWatch::showLiveChart);
    connect(buttonOf(window, "HistoryChart"), &QPushButton::clicked, this, &DataWatch::showHistoryChart);
    connect(buttonOf(window, "HistoryExport"), &QPushButton::clicked, this,
            [this] { exportHistoryAsked(m_window); });
    // A new download: what the last one left unfinished is no record.
    connect(buttonOf(window, "Button125"), &QPushButton::clicked, this, [this] { m_history.restart(); });
    // "Clear Buffer" empties the records shown: the chart and the export follow the list.
    connect(buttonOf(window, "Button141"), &QPushButton::clicked, this, [this] {
        m_history.clear();
        historyChanged();
    });
}

void DataWatch::parsing(const ExchangeState &exchange)
{
    if (exchange.ExpectedReplyCode == LiveDataCode) {
        liveReply(exchange.ReplyText);
    } else if (exchange.ExpectedReplyCode == HistoryCode) {
        // As the parse reads them: every piece since the last parse, or the stored reply.
        if (!exchange.PiecesSinceParse.isEmpty())
            for (const QByteArray &piece : exchange.PiecesSinceParse)
                m_history.add(piece);
        else
            m_history.add(exchange.ReplyText);
        historyChanged();
    }
}

void DataWatch::liveReply(const QByteArray &reply)
{
    const QStringList readings = readingsOf(reply);
    bool any = false;
    for (const ReadingColumn *column : ReadingSeries::drawn())
        any = any || plottedValue(*column, readings.at(column - readingColumns().data()));
    if (!any)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    m_live.append(now.toMSecsSinceEpoch(), readings, liveCsvRow(now, readings));
    if (m_liveChart)
        m_liveChart->added();
}

void DataWatch::historyChanged()
{
    const bool any = !m_history.records().isEmpty();
    buttonOf(m_window, "HistoryChart")->setEnabled(any);
    buttonOf(m_window, "HistoryExport")->setEnabled(any);
    if (m_historyChart && m_historyChart->isVisible())
        m_historyChart->showRecords(m_history.records());
}

void DataWatch::linkEnded()
{
    m_monitor->stop();
}

void DataWatch::windowClosed()
{
    m_monitor->stop();
    if (m_liveChart)
        m_liveChart->close();
    if (m_historyChart)
        m_historyChart->close();
}

void DataWatch::showLiveChart()
{
    if (!m_liveChart)
        m_liveChart = new LiveChart(m_live, m_window);
    m_liveChart->show();
    m_liveChart->raise();
    m_liveChart->activateWindow();
}

void DataWatch::showHistoryChart()
{
    if (!m_historyChart)
        m_historyChart = new HistoryChartWindow([this] { exportHistoryAsked(m_historyChart); }, m_window);
    m_historyChart->showRecords(m_history.records());
}

void DataWatch::exportHistoryAsked(QWidget *parent)
{
    const QString name = QStringLiteral("tl380-history-%1.csv")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm")));
    const QString path = askCsvPath(parent, tr("Export CSV"), name);
    if (!path.isEmpty())
        saveCsv(parent, path, historyCsv());
}

QByteArray DataWatch::historyCsv() const
{
    QByteArray csv = historyCsvHeader();
    for (const QByteArray &record : m_history.records())
        csv += historyCsvRow(record);
    return csv;
}

bool DataWatch::exportHistory(const QString &path)
{
    return saveCsv(m_window, path, historyCsv());
}
