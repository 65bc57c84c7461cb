#pragma once

#include "replies/ReplyBranch.h"

// The answer to "PPPPPP#CHEACK1#": station, clock, retention, cycle, delay, status flags.
std::span<const ReplyRow> systemReplyRows();

// The year item: the list starts at 12, so 12 and later years select value - 12.
int yearItem(int value);

// Month and day lists start at 01: a value above 0 selects value - 1, 0 selects item 0.
int fromOneItem(int value);
