#pragma once

#include "replies/ReplyBranch.h"

// The answer to "PPPPPP#CHEACK3#": AD sources, analog ranges, digital input
// modes, pulse equivalents and PU display sources.
std::span<const ReplyRow> channelReplyRows();
