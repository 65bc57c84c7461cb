#pragma once

class QWidget;

// "Comm Settings 2": command slots 3 and 4 and the calibration command.
void buildCommSettings2Page(QWidget *page);
