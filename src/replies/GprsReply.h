#pragma once

#include "replies/ReplyBranch.h"

// The answer to "PPPPPP#CHEACK2#": the GPRS settings, signal strength, module
// status flags and the address the module obtained.
std::span<const ReplyRow> gprsReplyRows();
