#pragma once

#include "replies/ReplyBranch.h"

// The answer to "PPPPPP#CHEACK6#" and to the command-slot set commands: port
// framing, RTS delay, meter type and the seven direct-read channel rows.
std::span<const ReplyRow> rs485ReplyRows();
