#pragma once

class QTabWidget;
class QWidget;

// PageControl1 with its seven pages in tab order, captions and all, but only the
// first page with its controls: what the first frame shows.
QTabWidget *buildPageControl(QWidget *window);

// The controls of every page after the first.
void buildRemainingPages(QTabWidget *pageControl);
