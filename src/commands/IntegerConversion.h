#pragma once

#include <QByteArray>
#include <optional>

// The collector's integer syntax: leading blanks, an optional sign, then decimal
// digits or hexadecimal digits after "$", "x", "X", "0x" or "0X"; nothing after
// the digits; the value within the signed 32-bit range.
std::optional<qint32> parseInteger(const QByteArray &text);

// As parseInteger, but a text that does not convert raises ConversionError.
qint32 toInteger(const QByteArray &text);
