#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

struct ProfileKey;

// What became of one setting of a write.
enum class Outcome {
    Changed,      // the collector held another value before and holds this one now
    AlreadyRight, // it held this value before, and holds it after
    Failed,       // refused ("ERROR"), or the read-back shows another value
    NotReadBack,  // sent and taken, but the write ended before its read-back
    NotWritten,   // never sent: the write ended first
    Uncertain,    // sent, but no answer came: the collector may or may not hold it
    Kept,         // an identity setting left as the collector has it
};

// How a write ended.
enum class Ending {
    Completed,
    Stopped,  // at the user's request, after the exchange in flight
    LinkLost, // the link failed (cannot open, lost, no answer)
    Refused,  // an answer did not read, or lacked a value
};

struct WriteResult
{
    QList<std::pair<const ProfileKey *, Outcome>> outcomes;
    // "page.key" of the settings left out, with why.
    QStringList skipped;
    Ending ending = Ending::Completed;
    // Why the write ended early; empty when it completed.
    QString why;
    // What the collector and the profile gave each identity setting that was kept.
    QStringList keptValues;

    QStringList names(Outcome outcome) const;
    int count(Outcome outcome) const { return int(names(outcome).size()); }
    bool succeeded() const { return ending == Ending::Completed && count(Outcome::Failed) == 0; }
};

// "changed", "already right", "failed", "written but not read back", "not written", "uncertain",
// "kept as the collector's own".
QString outcomeName(Outcome outcome);
// "2 changed, 1 already right, 0 failed", then each other outcome that occurred.
QString countsLine(const WriteResult &result);
// The summary a person reads: how it ended, the counts, the settings of each outcome.
QString summaryText(const WriteResult &result);
// {"changed": [...], "already_right": [...], "failed": [...], "written": [...],
//  "not_written": [...], "uncertain": [...], "kept": [...], "skipped": [...], "stopped": "why"}
QJsonObject summaryJson(const WriteResult &result);
