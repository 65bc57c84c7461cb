#include "ui/Pages.h"

#include "ui/ChannelPage.h"
#include "ui/CommSettings1Page.h"
#include "ui/CommSettings2Page.h"
#include "ui/DataQueryPage.h"
#include "ui/GprsPage.h"
#include "ui/SystemParameterPage.h"
#include "ui/WiringDiagramPage.h"

#include <QCoreApplication>
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

// clang-format off
const std::array<PageRow, 7> pages{{
    {"TabSheet2",  QT_TRANSLATE_NOOP("Pages", "System Parameter"),            buildSystemParameterPage},
    {"TabSheet1",  QT_TRANSLATE_NOOP("Pages", "GPRS Parameters"),             buildGprsPage},
    {"TabSheet4",  QT_TRANSLATE_NOOP("Pages", "AD/DI Channel Configuration"), buildChannelPage},
    {"TabSheet11", QT_TRANSLATE_NOOP("Pages", "Comm Settings 1"),             buildCommSettings1Page},
    {"TabSheet5",  QT_TRANSLATE_NOOP("Pages", "Comm Settings 2"),             buildCommSettings2Page},
    {"TabSheet3",  QT_TRANSLATE_NOOP("Pages", "Data Query"),                  buildDataQueryPage},
    {"TabSheet19", QT_TRANSLATE_NOOP("Pages", "Wiring Diagram"),              buildWiringDiagramPage},
}};
// clang-format on

} // namespace

QTabWidget *buildPageControl(QWidget *window)
{
    auto *pageControl = new QTabWidget(window);
    pageControl->setObjectName(QStringLiteral("PageControl1"));
    pageControl->setGeometry(8, 72, 801, 393);
    // Seven captions side by side in 801 pixels: the tabs use a narrower cut of the window's face.
    QFont tabFace = pageControl->font();
    tabFace.setStretch(QFont::SemiCondensed);
    pageControl->tabBar()->setFont(tabFace);
    for (const PageRow &row : pages) {
        auto *page = new QWidget(pageControl);
        page->setObjectName(QLatin1String(row.name));
        const int at = pageControl->addTab(page, QCoreApplication::translate("Pages", row.caption));
        pageControl->tabBar()->setTabTextColor(at, Qt::blue);
    }
    // Made inside the tabs, so that sizes taken while building follow the window's font.
    pages.front().build(pageControl->widget(0));
    return pageControl;
}

void buildRemainingPages(QTabWidget *pageControl)
{
    for (int at = 1; at < int(pages.size()); ++at)
        pages[size_t(at)].build(pageControl->widget(at));
}
