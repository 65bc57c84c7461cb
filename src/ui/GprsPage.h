#pragma once

class QWidget;

// "GPRS Parameters": the settings of the GPRS module on the left, each with
// its "Set" button, and the module's status with the read button on the right.
void buildGprsPage(QWidget *page);
