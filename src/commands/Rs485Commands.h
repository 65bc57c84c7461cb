#pragma once

#include "commands/Command.h"

#include <span>

// The RS485 port, its meter type and the seven direct-read channels ("Comm Settings 1").
std::span<const CommandRow> rs485Commands();
