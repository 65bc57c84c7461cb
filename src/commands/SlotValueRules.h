#pragma once

#include "commands/Command.h"

#include <QString>
#include <initializer_list>

// The value rules of the channel, RS485 and command-slot families, beside the
// shared ones of ValueRules.h.

// The fields' texts exactly as typed, joined by ",": no conversion, no trimming.
ValueRule commaList(std::initializer_list<QString> controls);

// The drop-downs' selection indices in decimal, joined by ",".
ValueRule indexList(std::initializer_list<QString> controls);

// The same text whatever the form holds.
ValueRule fixedValue(const QByteArray &value);

// The frame's length in decimal, at least two digits: the tens, then the units.
QByteArray frameLength(qsizetype length);

// A request frame: the enable value, ",", the frame's length, then the frame's text.
// A frame of odd length raises PlainMessage with `oddMessage` before anything is sent.
ValueRule slotFrame(ValueRule enable, const QString &frameControl, const QString &oddMessage);

// One direct-read channel row, named by its prefix ("MAD1", "MPD2"): the command
// code's index, address, length, two-digit data format index and coefficient, joined by ",".
ValueRule channelDefinition(const QString &row);
