#pragma once

#include "replies/ReplyBranch.h"

// The answer to "PPPPPP#STATUS#": station, clock, battery, the six analog and three
// totalizer readings, then the power supply and digital input states of "K01:".
void liveDataReply(const WorkingText &text, Form &form);

// The caption of a "K01:" state character; none stands for a character past the end.
QByteArray powerSupplyCaption(std::optional<char> state);
QByteArray digitalInputCaption(std::optional<char> state);
