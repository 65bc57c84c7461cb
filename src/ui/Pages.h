#pragma once

class QTabWidget;
class QWidget;

// PageControl1 with its seven pages in tab order, each page with its controls.
QTabWidget *buildPages(QWidget *window);
