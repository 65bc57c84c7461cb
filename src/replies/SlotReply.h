#pragma once

#include "replies/ReplyBranch.h"

// The answer to "PPPPPP#COMR0n#": for each "COMRn:" found, the slot's enable
// index and its command text of `count` bytes (two characters each).
void commandSlotReply(const WorkingText &text, Form &form);

// The answer to "PPPPPP#COMP0n#" and to the parsing-byte set commands: the three
// byte texts of each slot found.
std::span<const ReplyRow> slotByteReplyRows();
