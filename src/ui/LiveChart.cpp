#include "ui/LiveChart.h"

#include "replies/ReadingsCsv.h"
#include "ui/CsvFile.h"
#include "ui/ReadingSeries.h"
#include "ui/ReadingsChart.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LiveChart::LiveChart(const ReadingSeries &store, QWidget *parent)
    : QWidget(parent, Qt::Window), m_store(store), m_chart(new ReadingsChart(store, this)),
      m_pause(new QPushButton(tr("Pause"), this)), m_count(new QLabel(this))
{
    setObjectName(QStringLiteral("LiveChart"));
    setWindowTitle(tr("Live readings"));
    m_pause->setObjectName(QStringLiteral("LiveChartPause"));
    m_pause->setCheckable(true);
    auto *save = new QPushButton(tr("Export CSV…"), this);
    save->setObjectName(QStringLiteral("LiveChartExport"));
    m_count->setObjectName(QStringLiteral("LiveChartCount"));

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_pause);
    bar->addWidget(save);
    bar->addWidget(m_count, 1);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_chart, 1);
    column->addLayout(bar);
    resize(900, 520);

    connect(m_pause, &QPushButton::toggled, this, [this](bool paused) {
        m_pause->setText(paused ? tr("Resume") : tr("Pause"));
        if (!paused)
            m_chart->refresh();
        showCount();
    });
    connect(save, &QPushButton::clicked, this, &LiveChart::exportAsked);
    showCount();
}

bool LiveChart::isPaused() const
{
    return m_pause->isChecked();
}

void LiveChart::added()
{
    if (isVisible() && !isPaused())
        m_chart->added();
    showCount();
}

void LiveChart::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!isPaused())
        m_chart->refresh();
}

void LiveChart::showCount()
{
    const QString count = tr("Readings kept (the last 24 hours): %1").arg(m_store.size());
    m_count->setText(isPaused() ? tr("Paused; %1").arg(count) : count);
}

void LiveChart::exportAsked()
{
    const QString name = QStringLiteral("tl380-live-%1.csv")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm")));
    const QString path = askCsvPath(this, tr("Export CSV"), name);
    if (!path.isEmpty())
        exportTo(path);
}

bool LiveChart::exportTo(const QString &path)
{
    return saveCsv(this, path, liveCsvHeader() + m_store.csvRows());
}
