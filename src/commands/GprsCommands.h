#pragma once

#include "commands/Command.h"

#include <span>

// The "Set" buttons of the "GPRS Parameter Configuration" group. They all go to
// the serial port whatever the link mode.
std::span<const CommandRow> gprsCommands();
