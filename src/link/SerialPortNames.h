#pragma once

#include <QStringList>

#include <future>

// The port choices in two parts: "COM1" to "COM19", and the serial devices the system reports under
// other names, looked for on a thread of their own (walking the system's device list takes milliseconds).
QStringList fixedPortChoices();
std::future<QStringList> lookForSystemPorts();

// The serial ports the system lists, by the names a user types (its device list on POSIX systems, the
// registry's SERIALCOMM on Windows).
QStringList systemSerialPorts();
