#pragma once

#include "profile/ProfileCheck.h"

#include <QList>
#include <QString>

class CtlRun;

// The profile named on the command line, checked whole: UsageError naming every
// fault, the serial-only settings over the gateway (left out with --skip-serial-only)
// and the history-clearing item on write without --clear-history.
QList<ProfileSetting> checkedSettings(const CtlRun &run);
// "standard input" for "-", else the path.
QString profileName(const CtlRun &run);
// Runs the queries that read the settings into a form holding no earlier answer.
void readSettings(CtlRun &run, const QList<ProfileSetting> &settings);
// The settings the collector's form does not hold, by the bytes their commands send.
QList<ProfileSetting> differing(const CtlRun &run, const QList<ProfileSetting> &settings);

int runWriteCommand(CtlRun &run);
