#include "commands/ItemLists.h"

QStringList twoDigitRange(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return items;
}

QStringList channelSources()
{
    return {QStringLiteral("0 Close"),
            QStringLiteral("1 Analog Current Acquisition AIN1"),
            QStringLiteral("2 Analog Current Acquisition AIN2"),
            QStringLiteral("3 Direct Read RS485 Channel MAD3"),
            QStringLiteral("4 Direct Read RS485 Channel MAD4"),
            QStringLiteral("5 Direct Read RS485 Channel MAD5"),
            QStringLiteral("6 Direct Read RS485 Channel MAD6"),
            QStringLiteral("7 Analog Current Acquisition AIN3"),
            QStringLiteral("8 Analog Current Acquisition AIN4"),
            QStringLiteral("9 Power Supply Voltage")};
}

QStringList pulseSources()
{
    return {QStringLiteral("0 Close"),
            QStringLiteral("1-IN1 Channel Pulse Totalizer"),
            QStringLiteral("2-IN2 Channel Pulse Totalizer"),
            QStringLiteral("3-RS485 Direct Read Totalizer 1 (MPU3)"),
            QStringLiteral("4-RS485 Direct Read Totalizer 2 (MPU4)"),
            QStringLiteral("5-RS485 Direct Read Totalizer 3 (MPU5)")};
}

QStringList digitalInputModes()
{
    return {QStringLiteral("Digital Signal"), QStringLiteral("Pulse Counting")};
}

QStringList commandEnables()
{
    return {QStringLiteral("0-Close"), QStringLiteral("1-Open")};
}

QStringList responseSources()
{
    return {QStringLiteral("0_Close"), QStringLiteral("1_CMD1"), QStringLiteral("2_CMD2"),
            QStringLiteral("3_CMD2"), QStringLiteral("4_CMD2")};
}

// The first three carry full-width parentheses, as the collector's manual prints them.
QStringList dataFormats()
{
    return {QStringLiteral("0-Float（4321）"),
            QStringLiteral("1-Float（2143）"),
            QStringLiteral("2-Float（1234）"),
            QStringLiteral("3-Unsigned int(4321)"),
            QStringLiteral("4-Unsigned int(2143)"),
            QStringLiteral("5-Unsigned int(1234)"),
            QStringLiteral("6-Signed int(4321)"),
            QStringLiteral("7-Signed int(2143)"),
            QStringLiteral("8-Signed int"),
            QStringLiteral("9-Signed int(invert)"),
            QStringLiteral("10-Signed int(not inverted)"),
            QStringLiteral("11-BCD(high low order)"),
            QStringLiteral("12-BCD(low high order)"),
            QStringLiteral("13-Character string(high low order)"),
            QStringLiteral("14-Character string(low high order)"),
            QStringLiteral("15-Double(high low order)"),
            QStringLiteral("16-Double(low high order)"),
            QStringLiteral("17-BCD(low high order-0X33)")};
}

// Two blanks after the one-digit numbers, one after the two-digit ones; two empty places at the end.
QStringList meterTypes()
{
    return {QStringLiteral("0  Close"),
            QStringLiteral("1  Reserved"),
            QStringLiteral("2  Direct Command Read"),
            QStringLiteral("3  ABB Battery Flow Meter MASTER3"),
            QStringLiteral("4  ABB Battery Flow Meter MASTER4"),
            QStringLiteral("5  ABB Mains-Powered Flow Meter"),
            QStringLiteral("6  Siemens MG800"),
            QStringLiteral("7  Huizhong SCL-76D"),
            QStringLiteral("8  Huizhong SCL-61D"),
            QStringLiteral("9  Dahua Flow Meter(Without Pressure)"),
            QStringLiteral("10 Dahua Flow Meter(With Pressure)"),
            QStringLiteral("11 Shenzhen TAX Meter"),
            QStringLiteral("12 Dalian Haifeng Ultrasonic Flow Meter"),
            QString(),
            QString()};
}

// "2 VONET " keeps its trailing blank.
QStringList networkTypes()
{
    return {QStringLiteral("0 Auto"), QStringLiteral("1 CMNET"), QStringLiteral("2 VONET "),
            QStringLiteral("3 CTLTE"), QStringLiteral("4 APN")};
}

QStringList transmissionCycles()
{
    return {QStringLiteral("NO_SEND"), QStringLiteral("1min"),  QStringLiteral("5min"),
            QStringLiteral("15min"),   QStringLiteral("30min"), QStringLiteral("1hour"),
            QStringLiteral("2hour"),   QStringLiteral("6hour"), QStringLiteral("12hour"),
            QStringLiteral("5S"),      QStringLiteral("15S"),   QStringLiteral("30s")};
}

// The last item clears the history data.
QStringList retentionPeriods()
{
    return {QStringLiteral("NO_SAVE"),     QStringLiteral("5min"),  QStringLiteral("15min"),
            QStringLiteral("30min"),       QStringLiteral("60min"), QStringLiteral("2hour"),
            QStringLiteral("清除历史数据")};
}

QStringList historyRetentionPeriods()
{
    return {QStringLiteral("不保存"), QStringLiteral("5Min."), QStringLiteral("15Min."),
            QStringLiteral("30Min."), QStringLiteral("60Min.")};
}

// "11" to "50" without "44".
QStringList historyYears()
{
    QStringList years = twoDigitRange(11, 50);
    years.removeOne(QStringLiteral("44"));
    return years;
}

// "00" to "80" with "26" standing twice.
QStringList recordCounts()
{
    QStringList counts = twoDigitRange(0, 80);
    counts.insert(counts.indexOf(QStringLiteral("26")), QStringLiteral("26"));
    return counts;
}

QStringList baudRates()
{
    return {QStringLiteral("1200"), QStringLiteral("2400"),  QStringLiteral("4800"),
            QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400")};
}

QStringList stopBits()
{
    return {QStringLiteral("1 bit"), QStringLiteral("2 bit")};
}

QStringList parities()
{
    return {QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even")};
}

QStringList transportProtocols()
{
    return {QStringLiteral("TCP"), QStringLiteral("UDP")};
}

QStringList gprsEnables()
{
    return {QStringLiteral("Close"), QStringLiteral("Open")};
}

QStringList linkModes()
{
    return {QStringLiteral("COM Serial Communication"), QStringLiteral("IP Network Communication")};
}

QStringList modelNumbers()
{
    return {QStringLiteral("0 NET"), QStringLiteral("1 TL380H-A"), QStringLiteral("2 TL380H-B")};
}

QStringList gatewayAccessMethods()
{
    return {QStringLiteral("0 DNS Connection"), QStringLiteral("1 IP Connection")};
}

QStringList connectionMethods()
{
    return {QStringLiteral("0 DNS"), QStringLiteral("1 IP")};
}

QStringList dataFormatsOf(const QString &control)
{
    QStringList items = dataFormats();
    if (control == QLatin1String("MAD3XIN") || control == QLatin1String("MPD1XIN"))
        items << QString();
    return items;
}
