#pragma once

#include "commands/TypingRules.h"

#include <QtGlobal>

class QWidget;

// What typing may put into a field is its typing rule: a character set and a limit on
// the length (in GBK bytes) of the text a keystroke finds. Text written by the program
// or pasted passes unfiltered.

constexpr char16_t Backspace = 8;

// Whether a typed character code is taken, given the byte length of the text before it.
bool acceptsTyped(const TypingRule &rule, char16_t typed, qsizetype lengthBefore);

// Installs each field's key filter (Edit7KeyPress, AD1HKeyPress, ...) on the
// window's fields; the RS485DTM filter also sets whether Button83 is enabled.
void installInputFilters(QWidget *window);
