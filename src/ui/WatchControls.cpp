#include "ui/WatchControls.h"

#include "ui/Controls.h"
#include "ui/PageGrid.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DataQueryPage", text);
}

} // namespace

QBoxLayout *monitorRow(QWidget *page)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    QCheckBox *toggle = checkBox(page, QStringLiteral("Monitor"), tr("Monitor"), {});
    toggle->setToolTip(tr("Repeat \"Manual Query\" at this interval over the open link"));
    row->addWidget(toggle);
    row->addWidget(caption(page, QStringLiteral("MonitorInterval"), tr("every")));
    auto *interval = new QSpinBox(page);
    interval->setObjectName(QStringLiteral("MonitorInterval"));
    interval->setRange(1, 60);
    interval->setValue(5);
    interval->setSuffix(tr(" s"));
    row->addWidget(interval);
    row->addWidget(snug(button(page, QStringLiteral("MonitorChart"), tr("Chart…"), {})));
    row->addStretch();
    return row;
}

void addHistoryButtons(QBoxLayout *row, QWidget *page)
{
    for (const auto &[name, text] :
         {std::pair("HistoryChart", "Chart…"), std::pair("HistoryExport", "Export CSV…")}) {
        QPushButton *b = snug(button(page, QLatin1String(name), tr(text), {}));
        b->setEnabled(false);
        row->addWidget(b);
    }
}
