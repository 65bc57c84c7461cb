#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

// CSV of readings, one row a line ending in LF, one column per reading under its
// name, fields quoted where they hold a comma, a quote or a line end; UTF-8.

// A time in ISO 8601: the PC's time with its offset from UTC and milliseconds; a
// collector's time (local to the collector, zone unknown) without an offset.
QString pcTimeText(const QDateTime &time);
QString collectorTimeText(const QDateTime &time);

// Live readings stamped with the PC's time: "pc_time,station,collector_time,...".
QByteArray liveCsvHeader();
QByteArray liveCsvRow(const QDateTime &pcTime, const QStringList &readings);

// Stored records: "time,record,collector_time,voltage,...": the record's own time
// in ISO 8601 (empty when it gives none), its number, then its readings.
QByteArray historyCsvHeader();
QByteArray historyCsvRow(const QByteArray &record);
