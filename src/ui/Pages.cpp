#include "ui/Pages.h"

#include "ui/SystemParameterPage.h"

#include <QTabBar>
#include <QTabWidget>

#include <array>

namespace {

struct PageRow
{
    const char *name;
    const char *caption;
    void (*build)(QWidget *page);
};

void nothingYet(QWidget *) {}

// clang-format off
const std::array<PageRow, 7> pages{{
    {"TabSheet2",  "System Parameter",            buildSystemParameterPage},
    {"TabSheet1",  "GPRS Parameters",             nothingYet},
    {"TabSheet4",  "AD/DI Channel Configuration", nothingYet},
    {"TabSheet11", "Comm Settings 1",             nothingYet},
    {"TabSheet5",  "Comm Settings 2",             nothingYet},
    {"TabSheet3",  "Data Query",                  nothingYet},
    {"TabSheet19", "Wiring Diagram",              nothingYet},
}};
// clang-format on

} // namespace

QTabWidget *buildPages(QWidget *window)
{
    auto *pageControl = new QTabWidget(window);
    pageControl->setObjectName(QStringLiteral("PageControl1"));
    pageControl->setGeometry(8, 72, 801, 393);
    for (const PageRow &row : pages) {
        auto *page = new QWidget;
        page->setObjectName(QLatin1String(row.name));
        row.build(page);
        const int at = pageControl->addTab(page, QLatin1String(row.caption));
        pageControl->tabBar()->setTabTextColor(at, Qt::blue);
    }
    return pageControl;
}
