#pragma once

#include "commands/Command.h"

#include <span>

// The "Set" buttons of the "AD/DI Channel Configuration" page.
std::span<const CommandRow> channelCommands();
