#pragma once

#include <QString>

// Empty when the name may be a serial line; otherwise the refusal the open gives
// for an existing file that is no character device.
QString notASerialLine(const QString &name);
