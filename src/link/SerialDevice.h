#pragma once

#include <QString>

// The file a port name stands for: a path as it is ("/dev/ttyUSB0", "./line", "../line"),
// any other name a device of the system's folder ("ttyUSB0" is /dev/ttyUSB0).
QString serialLinePath(const QString &name);

// Empty when the path may be a serial line; otherwise the refusal the open gives
// for an existing path that is no character device: "Error opening serial port"
// when it cannot be opened for reading and writing (a folder, no permission),
// else "File handle is not a comm handle ".
QString notASerialLine(const QString &name);

// Why a serial device would not open, in the user's words ("no such device: is the cable plugged in?").
QString serialOpenCause(const QString &device);
