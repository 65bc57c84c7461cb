#pragma once

#include <QStringList>

// The collector's vocabulary: the item lists of the drop-downs. In every list
// whose items begin with a number, that number is the item's position.

// Zero-padded two-digit numbers from first to last, ascending ("00", "01", ...).
QStringList twoDigitRange(int first, int last);

QStringList channelSources();
QStringList pulseSources();
QStringList digitalInputModes();
QStringList commandEnables();
QStringList responseSources();
QStringList dataFormats();
QStringList meterTypes();
QStringList networkTypes();
QStringList transmissionCycles();
QStringList retentionPeriods();
QStringList historyRetentionPeriods();
QStringList historyYears();
QStringList recordCounts();
QStringList baudRates();
QStringList stopBits();
QStringList parities();
QStringList transportProtocols();
QStringList gprsEnables();
QStringList linkModes();
QStringList modelNumbers();
QStringList gatewayAccessMethods();
QStringList connectionMethods();

// The data formats of one direct-read row's drop-down: two rows carry one more, empty, item.
QStringList dataFormatsOf(const QString &control);
