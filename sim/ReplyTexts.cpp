#include "ReplyTexts.h"

namespace sim {

namespace {

QByteArray digits(qint64 value, int width)
{
    return QByteArray::number(value).rightJustified(width, '0');
}

QByteArray field(const char *tag, const QByteArray &value)
{
    return QByteArray(tag) + value + ';';
}

QByteArray dotted(const std::array<int, 4> &address)
{
    return digits(address[0], 3) + '.' + digits(address[1], 3) + '.' + digits(address[2], 3) + '.' +
           digits(address[3], 3);
}

QByteArray directRead(const DirectReadChannel &c)
{
    return QByteArray::number(c.commandCode) + ',' + c.address + ',' + c.length + ',' +
           digits(c.dataFormat, 2) + ',' + c.coefficient;
}

QByteArray measurements(const Readings &r)
{
    QByteArray text = field("V:", r.batteryVoltage);
    for (int i = 0; i < 6; ++i)
        text += field(QByteArray("A0" + QByteArray::number(i + 1) + ':').constData(), r.analog[i]);
    for (int i = 0; i < 3; ++i)
        text += field(QByteArray("P0" + QByteArray::number(i + 1) + ':').constData(), r.totalizers[i]);
    text += field("K01:", QByteArray(1, r.powerMode) + r.digitalInputs[0] + r.digitalInputs[1]);
    return text;
}

} // namespace

QByteArray systemReply(const CollectorSettings &s, const QDateTime &clock)
{
    return field("TQ1:", digits(s.station, 5)) + field("TM:", clock.toString("yyMMddHHmm").toLatin1()) +
           field("SA:", QByteArray::number(s.retention)) + field("SD:", digits(s.transmissionCycle, 2)) +
           field("DY:", digits(s.outputDelay, 2)) + field("ER:", s.moduleFlags.left(3));
}

QByteArray gprsReply(const CollectorSettings &s, int signalStrength)
{
    return field("IA:", QByteArray::number(s.connectionMethod)) +
           field("NEX:", QByteArray::number(s.networkType)) +
           field("IA1:", QByteArray::number(s.accessMethod)) + field("IP1:", dotted(s.centreAddress)) +
           field("IH1:", digits(s.centrePort, 5)) + field("IT1:", digits(s.heartbeat, 4)) +
           field("IR1:", digits(s.redial, 4)) + field("IU1:", QByteArray::number(s.protocol)) +
           field("IC1:", QByteArray::number(s.gprsEnabled)) + field("XH:", digits(signalStrength, 2)) +
           field("ER:", s.moduleFlags) + field("OIP:", s.obtainedAddress) + field("APN:", s.apn) +
           field("IUR:", s.user) + field("IWD:", s.password) + field("IY1:", s.centreName);
}

QByteArray channelReply(const CollectorSettings &s)
{
    QByteArray text;
    for (int i = 0; i < 6; ++i)
        text +=
            field(QByteArray("AD" + QByteArray::number(i + 1) + ':').constData(), digits(s.adSource[i], 2));
    for (int i = 0; i < 4; ++i) {
        const AnalogRange &r = s.ranges[i];
        text += field(QByteArray("AIN" + QByteArray::number(i + 1) + ':').constData(),
                      r.upper + ',' + r.lower + ',' + r.startingPoint);
    }
    text += field("DI1:", QByteArray::number(s.digitalInputMode[0]));
    text += field("DI2:", QByteArray::number(s.digitalInputMode[1]));
    // The second equivalent is read exactly seven characters after the first.
    text +=
        field("PDL01:", digits(s.pulseEquivalent[0], 5)) + field("PDL02:", digits(s.pulseEquivalent[1], 5));
    for (int i = 0; i < 3; ++i)
        text += field(QByteArray("INP" + QByteArray::number(i + 1) + ':').constData(),
                      digits(s.totalizerSource[i], 2));
    return text;
}

QByteArray rs485Reply(const CollectorSettings &s)
{
    QByteArray text = field("MR485A:", QByteArray::number(s.baudRate) + ',' + QByteArray::number(s.parity) +
                                           ',' + QByteArray::number(s.stopBits)) +
                      field("RSTATM:", digits(s.rtsDelay, 3)) + field("READAX:", digits(s.meterType, 2));
    for (int i = 0; i < 4; ++i)
        text += field(QByteArray("ZDAD0" + QByteArray::number(i + 1) + ':').constData(),
                      directRead(s.analogReads[i]));
    // Pulse rows are written with "ZDPU" keys and reported with "ZDPD" tags.
    for (int i = 0; i < 3; ++i)
        text += field(QByteArray("ZDPD0" + QByteArray::number(i + 1) + ':').constData(),
                      directRead(s.pulseReads[i]));
    return text;
}

QByteArray slotReply(const CollectorSettings &s, int slot)
{
    const CommandSlot &c = s.commandSlots[slot];
    // The reply tag has one digit where the query has two; the count is in bytes, two digits.
    return "COMR" + QByteArray::number(slot + 1) + ':' + QByteArray::number(c.enabled) + ',' +
           digits(c.frame.size() / 2, 2) + ',' + c.frame;
}

QByteArray parsingReply(const CollectorSettings &s, int slot)
{
    return "COMP0" + QByteArray::number(slot + 1) + ':' + s.commandSlots[slot].parsingBytes;
}

QByteArray liveReply(const CollectorSettings &s, const QDateTime &clock, const Readings &r)
{
    return field("ST0:", digits(s.station, 5)) +
           field("TM:", clock.toString("yy-MM-dd HH:mm:ss").toLatin1()) + measurements(r);
}

QByteArray statusReply(const CollectorSettings &s, const Readings &r)
{
    return field("ST0:", digits(s.station, 5)) + field("XH:", digits(r.signalStrength, 2)) +
           field("ER:", s.moduleFlags) + field("GPRS:", QByteArray::number(s.gprsEnabled)) +
           field("V:", r.batteryVoltage);
}

QByteArray historyRecord(int number, const QDateTime &time, const Readings &r)
{
    return field("REC:", digits(number, 3)) + field("TM:", time.toString("yy-MM-dd HH:mm").toLatin1()) +
           measurements(r);
}

} // namespace sim
