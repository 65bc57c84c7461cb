#pragma once

#include "CollectorSettings.h"

#include <QByteArray>

#include <array>

namespace sim {

// What the collector measures at one moment, already in the widths its replies use.
struct Readings
{
    QByteArray batteryVoltage;            // 4 characters, "12.6"
    std::array<QByteArray, 6> analog;     // 5 characters each, per AD channel source
    std::array<QByteArray, 3> totalizers; // 9 characters each, per PU channel source
    char powerMode = '1';                 // '1' mains, '0' battery
    std::array<char, 2> digitalInputs{};  // '3' counting, '1' closed, '0' open
    int signalStrength = 0;               // two digits
};

// Readings at `second` seconds after the simulator started (negative for stored history).
// pulseOrigin[i] is the second at which pulse input i last had its base value written.
Readings readingsAt(const CollectorSettings &settings, qint64 second,
                    const std::array<qint64, 2> &pulseOrigin);

} // namespace sim
