#pragma once

#include "replies/ReplyBranch.h"

#include <span>

class Form;
struct ExchangeState;

// Every reply branch by the code it answers; a code without a branch parses nothing.
std::span<const ReplyBranch> replyBranches();

// The parse after the timer has stopped: runs the branch of the expected reply
// code on the stored reply up to its first NUL (a history branch on each piece
// received since the last parse), then clears what the branch clears. Pieces
// since the last parse are forgotten whatever the code. A ConversionError leaves the branch and the state as
// they are.
void parseReply(Form &form, ExchangeState &exchange);

// An answer to a set command: it ends with "OK" or "ERROR".
bool isAcknowledgement(const QByteArray &answer);
