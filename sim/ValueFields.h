#pragma once

#include <QByteArray>

#include <optional>

namespace sim {

// Checks of the values the collector accepts in its set commands. A value that would not fit the
// fixed-width field it is reported in is refused, so every reply stays readable at its offsets.

// Decimal digits only, minDigits to maxDigits of them; the number they form.
std::optional<qint64> digitsValue(const QByteArray &text, int minDigits, int maxDigits);

// digitsValue() and also within [low, high].
std::optional<int> numberIn(const QByteArray &text, int digits, int low, int high);

// A number of up to width digits, filled with leading zeros to width characters.
std::optional<QByteArray> zeroFilled(const QByteArray &text, int width);

// A measurement text of up to width characters (digits, one ".", a leading "-"), filled with zeros
// after its sign to width characters.
std::optional<QByteArray> measurementField(const QByteArray &text, int width);

// "e,LLframe": an enable digit, the frame length in characters written with at least two digits,
// and the frame text of that length.
struct FrameValue
{
    int enabled = 0;
    QByteArray frame;
};
std::optional<FrameValue> frameValue(const QByteArray &text, int highestEnable);

} // namespace sim
