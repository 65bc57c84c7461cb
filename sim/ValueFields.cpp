#include "ValueFields.h"

namespace sim {

namespace {

bool allDigits(const QByteArray &text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

std::optional<qint64> digitsValue(const QByteArray &text, int minDigits, int maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits || !allDigits(text))
        return std::nullopt;
    return text.toLongLong();
}

std::optional<int> numberIn(const QByteArray &text, int digits, int low, int high)
{
    const auto value = digitsValue(text, digits, digits);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return int(*value);
}

std::optional<QByteArray> zeroFilled(const QByteArray &text, int width)
{
    if (!digitsValue(text, 1, width))
        return std::nullopt;
    return QByteArray(width - text.size(), '0') + text;
}

std::optional<QByteArray> measurementField(const QByteArray &text, int width)
{
    const bool negative = text.startsWith('-');
    const QByteArray body = negative ? text.mid(1) : text;
    if (body.isEmpty() || text.size() > width || body.count('.') > 1 || body == ".")
        return std::nullopt;
    for (const char c : body) {
        if ((c < '0' || c > '9') && c != '.')
            return std::nullopt;
    }
    return (negative ? QByteArray("-") : QByteArray()) + QByteArray(width - text.size(), '0') + body;
}

std::optional<FrameValue> frameValue(const QByteArray &text, int highestEnable)
{
    const qsizetype comma = text.indexOf(',');
    if (comma != 1)
        return std::nullopt;
    const auto enabled = numberIn(text.left(1), 1, 0, highestEnable);
    const QByteArray rest = text.mid(2);
    if (!enabled)
        return std::nullopt;
    // The length field has no separator after it: the one split that adds up is the right one.
    for (int lengthDigits = 2; lengthDigits <= 4; ++lengthDigits) {
        const auto length = digitsValue(rest.left(lengthDigits), lengthDigits, lengthDigits);
        if (length && *length == rest.size() - lengthDigits)
            return FrameValue{*enabled, rest.mid(lengthDigits)};
    }
    return std::nullopt;
}

} // namespace sim
