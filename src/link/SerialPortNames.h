#pragma once

#include <QStringList>

// "COM1" to "COM19", then the serial devices the system reports under other names.
QStringList serialPortChoices();
