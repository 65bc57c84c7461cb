#include "ui/HistoryChart.h"

#include "ui/ReadingsChart.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

HistoryChartWindow::HistoryChartWindow(std::function<void()> exportAsked, QWidget *parent)
    : QWidget(parent, Qt::Window), m_chart(new ReadingsChart(m_store, this))
{
    setObjectName(QStringLiteral("HistoryChartWindow"));
    setWindowTitle(tr("History"));
    auto *save = new QPushButton(tr("Export CSV…"), this);
    save->setObjectName(QStringLiteral("HistoryChartExport"));
    connect(save, &QPushButton::clicked, this, std::move(exportAsked));
    auto *bar = new QHBoxLayout;
    bar->addWidget(save);
    bar->addStretch();
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_chart, 1);
    column->addLayout(bar);
    resize(900, 520);
}

void HistoryChartWindow::showRecords(const QList<QByteArray> &records)
{
    struct Timed
    {
        qint64 ms;
        const QByteArray *record;
    };
    QList<Timed> timed;
    for (const QByteArray &record : records)
        if (const std::optional<QDateTime> time = recordTime(record))
            timed << Timed{time->toMSecsSinceEpoch(), &record};
    // A download need not come in order, and two downloads may overlap: drawn by time.
    std::stable_sort(timed.begin(), timed.end(), [](const Timed &a, const Timed &b) { return a.ms < b.ms; });
    m_store.clear();
    for (const Timed &t : timed)
        m_store.append(t.ms, readingsOf(*t.record));
    m_chart->refresh();
    QWidget::show();
    raise();
    activateWindow();
}
