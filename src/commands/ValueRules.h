#pragma once

#include "commands/Command.h"

#include <QString>
#include <array>
#include <initializer_list>

// The value rules of the set commands. Each reads its controls through the form
// when the command is built; a field that does not convert raises ConversionError
// before anything is shown or sent.

// An integer with at least `width` digits, filled with leading zeros; a longer
// number in full; a negative one with "-" before its zero-filled digits.
QByteArray zeroFilledNumber(qint32 value, int width);

// An index or value below 10 as "0" + value, any other in plain decimal: -1 gives "0-1".
QByteArray twoDigitNumber(qint32 value);

// The field's text converted to an integer, written by zeroFilledNumber.
ValueRule zeroFilled(const QString &control, int width);

// The drop-down's selection index in decimal, -1 when nothing is selected.
ValueRule plainIndex(const QString &control);

// The drop-down's selection index by twoDigitNumber.
ValueRule twoDigitIndex(const QString &control);

// The displayed texts of the controls, as shown, one after another, then `tail`.
ValueRule displayedTexts(std::initializer_list<QString> controls, const QByteArray &tail = {});

// The power output delay: the field's integer, above 90 taken as 90, by twoDigitNumber.
ValueRule clampedDelay(const QString &control);

// The field's text exactly as typed, followed by "!".
ValueRule terminatedText(const QString &control);

// Four fields, each an integer, a value above 255 taken as 0, each with three
// digits, joined by ".". One field that does not convert fails the whole address.
ValueRule dottedAddress(const std::array<QString, 4> &controls);
