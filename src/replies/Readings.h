#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <optional>
#include <span>

// How a reading is drawn on a chart: not at all, or on the axis of its kind.
enum class Plot { No, Analog, Volts, Pulses, State };

// One reading of a live data reply or a stored record: the name it is printed under,
// the page control the live reply writes it to, and its title on a chart.
struct ReadingColumn
{
    const char *name;
    const char *control;
    const char *title;
    Plot plot;
};

// Every reading, in the order of the columns of CSV output: station, collector's clock,
// battery voltage, the six analog channels, the three totalizers, the power supply and
// the two digital inputs.
std::span<const ReadingColumn> readingColumns();
// How many of them a chart draws (every column whose plot is not Plot::No).
constexpr int DrawnReadings = 12;

// The readings of a live reply or of one stored record, read by the live reply's own
// tags, one text per column as the page shows it; empty where the text has no tag.
QStringList readingsOf(const QByteArray &text);

// A reading as a number to draw: none for a text that is no number, for an input that
// counts pulses ("3_Count"; its total is a totalizer) and for columns not drawn.
std::optional<double> plottedValue(const ReadingColumn &column, const QString &reading);

// A stored record's number ("REC:189;") and its own time ("TM:26-12-09 00:15;", the
// collector's clock, two-digit year), each none when the record does not give it.
QString recordNumber(const QByteArray &record);
std::optional<QDateTime> recordTime(const QByteArray &record);
