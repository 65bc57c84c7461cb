#pragma once

class QBoxLayout;
class QWidget;

// Beside "Manual Query": the toggle `Monitor`, its period `MonitorInterval` (1 to 60 s,
// 5 at start) and `MonitorChart`, which opens the chart of the live readings.
QBoxLayout *monitorRow(QWidget *page);
// Beside "Clear Buffer": `HistoryChart` and `HistoryExport`, usable once a history
// download has brought records.
void addHistoryButtons(QBoxLayout *row, QWidget *page);
