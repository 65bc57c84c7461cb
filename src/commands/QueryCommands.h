#pragma once

#include "commands/Command.h"

#include <span>

// The "Read Parameters" and "Query" buttons: fixed texts and the history query,
// each storing the code of the reply it waits for.
std::span<const CommandRow> queryCommands();
