#pragma once

class QWidget;

// "Data Query": live values with their two query buttons at the top, the
// history query, its records and "Clear Buffer" at the bottom.
void buildDataQueryPage(QWidget *page);
