#pragma once

#include "profile/CollectorRead.h"
#include "profile/IdentityRule.h"
#include "profile/ProfileCheck.h"
#include "profile/WritePlan.h"
#include "profile/WriteResult.h"

#include <QSet>

#include <functional>
#include <optional>

class CollectorLink;
struct ActionHooks;

// What came of each command sent.
enum class Sent { Taken, Refused, NoAnswer };

struct SentCommand
{
    const PlannedCommand *command;
    Sent sent;
    QByteArray answer;
};

// The exchanges of a write, in order, and how the sending ended.
struct WriteLog
{
    QList<SentCommand> sent;
    Ending ending = Ending::Completed;
    QString why;
};

// Sends the commands one exchange at a time until the last, a stop between two of
// them, or a link error.
WriteLog sendCommands(CollectorLink &link, const QList<PlannedCommand> &commands, const ActionHooks &hooks);

// Each setting by what was sent, what was answered and what the read-back shows
// (none when the write ended before its read-back).
WriteResult classifyWrite(const QList<ProfileSetting> &settings, const WritePlan &plan, const WriteLog &log,
                          const std::optional<CollectorState> &after);

// What a write takes: checked settings for this link and the commands planned from them.
struct WriteRequest
{
    QList<ProfileSetting> settings;
    QList<PlannedCommand> commands;
    // Send every command, whatever the collector holds.
    bool all = false;
    QStringList skipped;
    // Identity settings given for this collector (its own value): written like any other.
    QSet<const ProfileKey *> givenHere;
    // A backup restored (onto a replacement unit): the profile's identity is written too.
    bool restoreIdentity = false;
    // Asked once when the collector holds another identity than the profile gives;
    // true writes the profile's. Without it the collector's is kept.
    std::function<bool(const QList<IdentityDifference> &)> writeIdentity;
};

// The whole write: what the collector holds, the commands that differ, the
// exchanges, the read-back into a fresh form, and each setting judged by value.
// `before` and `after` receive the reads, for the front end to show.
WriteResult writeProfile(CollectorLink &link, const WriteRequest &request, const ActionHooks &hooks,
                         std::optional<CollectorState> *after = nullptr);
