#pragma once

#include "profile/ProfileCheck.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class CtlRun;
struct ActionHooks;
struct CollectorState;
struct PlannedQuery;

// The profile named on the command line, checked whole: UsageError naming every
// fault, the serial-only settings over the gateway (left out with --skip-serial-only,
// then named in `skipped`) and the history-clearing item on write without --clear-history.
struct CtlProfile
{
    QList<ProfileSetting> settings;
    QStringList skipped;
    // The settings given with --set: this collector's own.
    QSet<const ProfileKey *> givenHere;
};
CtlProfile checkedProfile(const CtlRun &run);
// "standard input" for "-", else the path.
QString profileName(const CtlRun &run);
// The stop signals, and on a terminal a progress line.
ActionHooks ctlHooks();
// Reads the collector over the run's link; the faults as tl380ctl reports them.
CollectorState readOverRun(CtlRun &run, const QList<PlannedQuery> &plan);
// --dry-run: the queries' bytes, nothing sent.
void printQueries(CtlRun &run, const QList<PlannedQuery> &plan);

int runWriteCommand(CtlRun &run);
