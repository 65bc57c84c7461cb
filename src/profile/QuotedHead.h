#pragma once

#include <QString>

// What a message quotes of a value: the value, or the head of a long one and "…",
// so that a fault names what it refuses without repeating a whole file.
inline QString shortHead(const QString &value, qsizetype most = 40)
{
    if (value.size() <= most)
        return value;
    // A character outside the basic plane is not cut in two.
    const qsizetype cut = value.at(most - 1).isHighSurrogate() ? most - 1 : most;
    return value.left(cut) + QChar(0x2026);
}
