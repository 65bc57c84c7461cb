#include "SetCommands.h"

#include "ValueFields.h"

#include <QList>

#include <functional>
#include <vector>

namespace sim {

namespace {

using Rule = std::function<bool(CollectorSettings &, const QByteArray &)>;

struct SettingRow
{
    const char *key;
    Rule apply;
};

constexpr int longestText = 64;
constexpr int longestFrame = 198; // reported with a two-digit byte count

Rule number(int CollectorSettings::*field, int digits, int low, int high)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const auto n = numberIn(v, digits, low, high);
        if (n)
            s.*field = *n;
        return n.has_value();
    };
}

Rule upToDigits(int CollectorSettings::*field, int maxDigits)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const auto n = digitsValue(v, 1, maxDigits);
        if (n)
            s.*field = int(*n);
        return n.has_value();
    };
}

Rule terminatedText(QByteArray CollectorSettings::*field)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        if (!v.endsWith('!') || v.size() > longestText + 1 || v.contains(';'))
            return false;
        s.*field = v.chopped(1);
        return true;
    };
}

bool setCentreAddress(CollectorSettings &s, const QByteArray &v)
{
    const QList<QByteArray> parts = v.split('.');
    std::array<int, 4> address{};
    if (parts.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        const auto n = numberIn(parts[i], 3, 0, 255);
        if (!n)
            return false;
        address[i] = *n;
    }
    s.centreAddress = address;
    return true;
}

Rule analogSource(int channel)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const auto n = numberIn(v, 1, 0, 9);
        if (n)
            s.adSource[channel] = *n;
        return n.has_value();
    };
}

Rule analogRange(int input)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const QList<QByteArray> parts = v.split(',');
        if (parts.size() != 3)
            return false;
        const auto upper = measurementField(parts[0], 5);
        const auto lower = measurementField(parts[1], 5);
        const auto start = measurementField(parts[2], 5);
        if (!upper || !lower || !start)
            return false;
        s.ranges[input] = AnalogRange{*upper, *lower, *start};
        return true;
    };
}

Rule digitalMode(int input)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const auto n = numberIn(v, 1, 0, 1);
        if (n)
            s.digitalInputMode[input] = *n;
        return n.has_value();
    };
}

Rule totalizerSource(int totalizer)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const auto n = numberIn(v, 2, 0, 5);
        if (n)
            s.totalizerSource[totalizer] = *n;
        return n.has_value();
    };
}

Rule pulseBase(int input)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const auto n = digitsValue(v, 1, 9);
        if (n)
            s.pulseBase[input] = *n;
        return n.has_value();
    };
}

Rule pulseEquivalent(int input)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const auto n = digitsValue(v, 1, 5);
        if (n)
            s.pulseEquivalent[input] = int(*n);
        return n.has_value();
    };
}

bool setPortFraming(CollectorSettings &s, const QByteArray &v)
{
    const QList<QByteArray> parts = v.split(',');
    if (parts.size() != 3)
        return false;
    const auto baud = numberIn(parts[0], 1, 0, 5);
    const auto parity = numberIn(parts[1], 1, 0, 2);
    const auto stop = numberIn(parts[2], 1, 0, 1);
    if (!baud || !parity || !stop)
        return false;
    s.baudRate = *baud;
    s.parity = *parity;
    s.stopBits = *stop;
    return true;
}

Rule slotFrame(int slot)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const auto frame = frameValue(v, 1);
        if (!frame || frame->frame.size() > longestFrame)
            return false;
        s.commandSlots[slot].enabled = frame->enabled;
        s.commandSlots[slot].frame = frame->frame;
        return true;
    };
}

Rule slotParsing(int slot)
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        if (v.size() != 6)
            return false;
        s.commandSlots[slot].parsingBytes = v;
        return true;
    };
}

bool setCalibration(CollectorSettings &s, const QByteArray &v)
{
    const auto frame = frameValue(v, 0);
    if (!frame || frame->frame.size() > longestFrame)
        return false;
    s.calibrationFrame = frame->frame;
    return true;
}

// "c,aaa,l,ff,ccccc": command code, address, length, data format, coefficient.
Rule directRead(DirectReadChannel &(*row)(CollectorSettings &))
{
    return [=](CollectorSettings &s, const QByteArray &v) {
        const QList<QByteArray> parts = v.split(',');
        if (parts.size() != 5)
            return false;
        const auto code = numberIn(parts[0], 1, 0, 4);
        const auto address = zeroFilled(parts[1], 3);
        const auto length = digitsValue(parts[2], 1, 1);
        const auto format = numberIn(parts[3], 2, 0, 18);
        const auto coefficient = zeroFilled(parts[4], 5);
        if (!code || !address || !length || !format || !coefficient)
            return false;
        row(s) = DirectReadChannel{*code, *address, parts[2], *format, *coefficient};
        return true;
    };
}

template <int I> DirectReadChannel &analogRead(CollectorSettings &s)
{
    return s.analogReads[I];
}
template <int I> DirectReadChannel &pulseRead(CollectorSettings &s)
{
    return s.pulseReads[I];
}

const std::vector<SettingRow> &settingRows()
{
    static const std::vector<SettingRow> rows{
        {"ST", upToDigits(&CollectorSettings::station, 5)},
        {"SD", number(&CollectorSettings::transmissionCycle, 2, 0, 11)},
        {"SA", number(&CollectorSettings::retention, 1, 0, 6)},
        {"DY", number(&CollectorSettings::outputDelay, 2, 0, 90)},
        {"NEX", number(&CollectorSettings::networkType, 1, 0, 4)},
        {"DNS", terminatedText(&CollectorSettings::apn)},
        {"INA", terminatedText(&CollectorSettings::user)},
        {"IWD", terminatedText(&CollectorSettings::password)},
        {"IY1", terminatedText(&CollectorSettings::centreName)},
        {"IP1", setCentreAddress},
        {"IH1", upToDigits(&CollectorSettings::centrePort, 5)},
        {"IT1", upToDigits(&CollectorSettings::heartbeat, 4)},
        {"IR1", upToDigits(&CollectorSettings::redial, 4)},
        {"IU1", number(&CollectorSettings::protocol, 1, 0, 1)},
        {"IC1", number(&CollectorSettings::gprsEnabled, 1, 0, 1)},
        {"AD1", analogSource(0)},
        {"AD2", analogSource(1)},
        {"AD3", analogSource(2)},
        {"AD4", analogSource(3)},
        {"AD5", analogSource(4)},
        {"AD6", analogSource(5)},
        {"AIN1", analogRange(0)},
        {"AIN2", analogRange(1)},
        {"AIN3", analogRange(2)},
        {"AIN4", analogRange(3)},
        {"DI1", digitalMode(0)},
        {"DI2", digitalMode(1)},
        {"INP1", totalizerSource(0)},
        {"INP2", totalizerSource(1)},
        {"INP3", totalizerSource(2)},
        {"LP1", pulseBase(0)},
        {"LP2", pulseBase(1)},
        {"PDL01", pulseEquivalent(0)},
        {"PDL02", pulseEquivalent(1)},
        {"MR485X", number(&CollectorSettings::meterType, 2, 0, 14)},
        {"RS485A", setPortFraming},
        {"RTSATM", upToDigits(&CollectorSettings::rtsDelay, 3)},
        {"COMW1", slotFrame(0)},
        {"COMW2", slotFrame(1)},
        {"COMW3", slotFrame(2)},
        {"COMW4", slotFrame(3)},
        {"COMP01", slotParsing(0)},
        {"COMP02", slotParsing(1)},
        {"COMP03", slotParsing(2)},
        {"COMP04", slotParsing(3)},
        {"COMWZ", setCalibration},
        {"ZDAD01", directRead(analogRead<0>)},
        {"ZDAD02", directRead(analogRead<1>)},
        {"ZDAD03", directRead(analogRead<2>)},
        {"ZDAD04", directRead(analogRead<3>)},
        {"ZDPU01", directRead(pulseRead<0>)},
        {"ZDPU02", directRead(pulseRead<1>)},
        {"ZDPU03", directRead(pulseRead<2>)},
    };
    return rows;
}

} // namespace

bool applySetting(CollectorSettings &settings, const QByteArray &key, const QByteArray &value)
{
    for (const SettingRow &row : settingRows()) {
        if (key == row.key)
            return row.apply(settings, value);
    }
    return false;
}

bool isTerminatedTextKey(const QByteArray &key)
{
    return key == "DNS" || key == "INA" || key == "IWD" || key == "IY1";
}

} // namespace sim
