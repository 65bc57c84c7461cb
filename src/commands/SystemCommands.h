#pragma once

#include "commands/Command.h"

#include <span>

// The "Set" buttons of the "System Parameter" group and the hidden model "Set".
std::span<const CommandRow> systemCommands();
