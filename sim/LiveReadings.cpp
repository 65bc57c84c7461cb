#include "LiveReadings.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sim {

namespace {

QByteArray zeroPadded(qint64 value, int width)
{
    return QByteArray::number(value).rightJustified(width, '0', true);
}

// A 4-20 mA loop current drifting slowly, scaled to the input's engineering range.
QByteArray analogInput(const AnalogRange &range, int input, qint64 second)
{
    const double period = 120.0 + 30.0 * input;
    const double milliamps = 12.0 + 7.0 * std::sin(2.0 * std::numbers::pi * double(second) / period);
    bool upperOk = false;
    bool lowerOk = false;
    const double upper = range.upper.toDouble(&upperOk);
    const double lower = range.lower.toDouble(&lowerOk);
    const double value =
        (upperOk && lowerOk) ? lower + (upper - lower) * (milliamps - 4.0) / 16.0 : milliamps;
    return zeroPadded(std::clamp<qint64>(std::llround(value), 0, 99999), 5);
}

QByteArray supplyVoltage(qint64 second)
{
    const double volts = 12.0 + 0.4 * std::sin(double(second) / 300.0);
    return QByteArray::number(volts, 'f', 2).rightJustified(5, '0', true);
}

QByteArray analogChannel(const CollectorSettings &s, int source, qint64 second)
{
    switch (source) {
    case 1:
        return analogInput(s.ranges[0], 0, second);
    case 2:
        return analogInput(s.ranges[1], 1, second);
    case 7:
        return analogInput(s.ranges[2], 2, second);
    case 8:
        return analogInput(s.ranges[3], 3, second);
    case 3:
    case 4:
    case 5:
    case 6: // RS485 direct-read channels MAD3 to MAD6
        return zeroPadded(1000 * source + ((second / 10) % 1000 + 1000) % 1000, 5);
    case 9:
        return supplyVoltage(second);
    default:
        return "00000";
    }
}

QByteArray totalizer(const CollectorSettings &s, int source, qint64 second,
                     const std::array<qint64, 2> &pulseOrigin)
{
    constexpr qint64 wrap = 1000000000;
    if (source == 1 || source == 2) {
        const int input = source - 1;
        const qint64 secondsPerPulse = input == 0 ? 2 : 5;
        const qint64 pulses = s.digitalInputMode[input] == 1
                                  ? std::max<qint64>(0, second - pulseOrigin[input]) / secondsPerPulse
                                  : 0;
        return zeroPadded((s.pulseBase[input] + pulses) % wrap, 9);
    }
    if (source >= 3 && source <= 5) // RS485 direct-read totalizers MPU3 to MPU5
        return zeroPadded((100000 * (source - 2) + (second + 864000) / 3) % wrap, 9);
    return "000000000";
}

char digitalInput(const CollectorSettings &s, int input, qint64 second)
{
    if (s.digitalInputMode[input] == 1)
        return '3';
    return ((second / 30 + input) % 2 != 0) ? '1' : '0';
}

} // namespace

Readings readingsAt(const CollectorSettings &settings, qint64 second,
                    const std::array<qint64, 2> &pulseOrigin)
{
    Readings r;
    r.batteryVoltage = QByteArray::number(12.4 + 0.3 * std::sin(double(second) / 600.0), 'f', 1);
    for (int i = 0; i < 6; ++i)
        r.analog[i] = analogChannel(settings, settings.adSource[i], second);
    for (int i = 0; i < 3; ++i)
        r.totalizers[i] = totalizer(settings, settings.totalizerSource[i], second, pulseOrigin);
    r.powerMode = '1';
    r.digitalInputs = {digitalInput(settings, 0, second), digitalInput(settings, 1, second)};
    r.signalStrength = 18 + int(((second / 20) % 10 + 10) % 10);
    return r;
}

} // namespace sim
