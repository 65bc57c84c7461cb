#pragma once

#include "commands/Command.h"

#include <span>

// The four command slots, their response parsing bytes and the calibration frame.
std::span<const CommandRow> slotCommands();
