#pragma once

class QWidget;

// "Comm Settings 1": command slots 1 and 2, the parsing of the RS485 data
// points, the RS485A port settings and the read button.
void buildCommSettings1Page(QWidget *page);
