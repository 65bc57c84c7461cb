#pragma once

#include "commands/Command.h"

#include <QAnyStringView>
#include <span>

// The commands of the link itself: the communication test and the reset.
std::span<const CommandRow> linkCommands();

// Every command row of every page.
std::span<const std::span<const CommandRow>> commandFamilies();

const CommandRow *findCommand(QAnyStringView button);
