#include "ui/ItemTexts.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// clang-format off
const char *const wordItems[] = {
    // Link modes
    QT_TRANSLATE_NOOP("DropDownItems", "COM Serial Communication"),
    QT_TRANSLATE_NOOP("DropDownItems", "IP Network Communication"),
    // Channel sources
    QT_TRANSLATE_NOOP("DropDownItems", "0 Close"),
    QT_TRANSLATE_NOOP("DropDownItems", "1 Analog Current Acquisition AIN1"),
    QT_TRANSLATE_NOOP("DropDownItems", "2 Analog Current Acquisition AIN2"),
    QT_TRANSLATE_NOOP("DropDownItems", "3 Direct Read RS485 Channel MAD3"),
    QT_TRANSLATE_NOOP("DropDownItems", "4 Direct Read RS485 Channel MAD4"),
    QT_TRANSLATE_NOOP("DropDownItems", "5 Direct Read RS485 Channel MAD5"),
    QT_TRANSLATE_NOOP("DropDownItems", "6 Direct Read RS485 Channel MAD6"),
    QT_TRANSLATE_NOOP("DropDownItems", "7 Analog Current Acquisition AIN3"),
    QT_TRANSLATE_NOOP("DropDownItems", "8 Analog Current Acquisition AIN4"),
    QT_TRANSLATE_NOOP("DropDownItems", "9 Power Supply Voltage"),
    // Pulse sources (item 0 as above)
    QT_TRANSLATE_NOOP("DropDownItems", "1-IN1 Channel Pulse Totalizer"),
    QT_TRANSLATE_NOOP("DropDownItems", "2-IN2 Channel Pulse Totalizer"),
    QT_TRANSLATE_NOOP("DropDownItems", "3-RS485 Direct Read Totalizer 1 (MPU3)"),
    QT_TRANSLATE_NOOP("DropDownItems", "4-RS485 Direct Read Totalizer 2 (MPU4)"),
    QT_TRANSLATE_NOOP("DropDownItems", "5-RS485 Direct Read Totalizer 3 (MPU5)"),
    // Digital input modes
    QT_TRANSLATE_NOOP("DropDownItems", "Digital Signal"),
    QT_TRANSLATE_NOOP("DropDownItems", "Pulse Counting"),
    // Command enables, response sources, GPRS enables
    QT_TRANSLATE_NOOP("DropDownItems", "0-Close"),
    QT_TRANSLATE_NOOP("DropDownItems", "1-Open"),
    QT_TRANSLATE_NOOP("DropDownItems", "0_Close"),
    QT_TRANSLATE_NOOP("DropDownItems", "Close"),
    QT_TRANSLATE_NOOP("DropDownItems", "Open"),
    // Data formats
    QT_TRANSLATE_NOOP("DropDownItems", "0-Float（4321）"),
    QT_TRANSLATE_NOOP("DropDownItems", "1-Float（2143）"),
    QT_TRANSLATE_NOOP("DropDownItems", "2-Float（1234）"),
    QT_TRANSLATE_NOOP("DropDownItems", "3-Unsigned int(4321)"),
    QT_TRANSLATE_NOOP("DropDownItems", "4-Unsigned int(2143)"),
    QT_TRANSLATE_NOOP("DropDownItems", "5-Unsigned int(1234)"),
    QT_TRANSLATE_NOOP("DropDownItems", "6-Signed int(4321)"),
    QT_TRANSLATE_NOOP("DropDownItems", "7-Signed int(2143)"),
    QT_TRANSLATE_NOOP("DropDownItems", "8-Signed int"),
    QT_TRANSLATE_NOOP("DropDownItems", "9-Signed int(invert)"),
    QT_TRANSLATE_NOOP("DropDownItems", "10-Signed int(not inverted)"),
    QT_TRANSLATE_NOOP("DropDownItems", "11-BCD(high low order)"),
    QT_TRANSLATE_NOOP("DropDownItems", "12-BCD(low high order)"),
    QT_TRANSLATE_NOOP("DropDownItems", "13-Character string(high low order)"),
    QT_TRANSLATE_NOOP("DropDownItems", "14-Character string(low high order)"),
    QT_TRANSLATE_NOOP("DropDownItems", "15-Double(high low order)"),
    QT_TRANSLATE_NOOP("DropDownItems", "16-Double(low high order)"),
    QT_TRANSLATE_NOOP("DropDownItems", "17-BCD(low high order-0X33)"),
    // Meter types: the words, not the makers' names
    QT_TRANSLATE_NOOP("DropDownItems", "0  Close"),
    QT_TRANSLATE_NOOP("DropDownItems", "1  Reserved"),
    QT_TRANSLATE_NOOP("DropDownItems", "2  Direct Command Read"),
    QT_TRANSLATE_NOOP("DropDownItems", "3  ABB Battery Flow Meter MASTER3"),
    QT_TRANSLATE_NOOP("DropDownItems", "4  ABB Battery Flow Meter MASTER4"),
    QT_TRANSLATE_NOOP("DropDownItems", "5  ABB Mains-Powered Flow Meter"),
    QT_TRANSLATE_NOOP("DropDownItems", "9  Dahua Flow Meter(Without Pressure)"),
    QT_TRANSLATE_NOOP("DropDownItems", "10 Dahua Flow Meter(With Pressure)"),
    QT_TRANSLATE_NOOP("DropDownItems", "11 Shenzhen TAX Meter"),
    QT_TRANSLATE_NOOP("DropDownItems", "12 Dalian Haifeng Ultrasonic Flow Meter"),
    // Network type, parities, gateway access methods
    QT_TRANSLATE_NOOP("DropDownItems", "0 Auto"),
    QT_TRANSLATE_NOOP("DropDownItems", "None"),
    QT_TRANSLATE_NOOP("DropDownItems", "Odd"),
    QT_TRANSLATE_NOOP("DropDownItems", "Even"),
    QT_TRANSLATE_NOOP("DropDownItems", "0 DNS Connection"),
    QT_TRANSLATE_NOOP("DropDownItems", "1 IP Connection"),
};
// clang-format on

} // namespace

bool isTranslatedItem(const QString &item)
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char *word : wordItems)
            set.insert(QString::fromUtf8(word));
        return set;
    }();
    return words.contains(item);
}

QString shownItem(const QString &item)
{
    if (!isTranslatedItem(item))
        return item;
    const QByteArray source = item.toUtf8();
    return QCoreApplication::translate("DropDownItems", source.constData());
}
