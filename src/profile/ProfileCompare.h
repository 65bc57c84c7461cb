#pragma once

#include "profile/ProfileCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

class HeadlessForm;
struct ProfileKey;

// Whether the collector holds the setting as the collector keeps it: the key's "Set"
// command carries the same bytes built from the collector's values as built from
// them with the setting's value put in ("42" and "00042" are one station number);
// a number the collector keeps filled to its width is held when it is the same number.
bool holdsSetting(const HeadlessForm &collector, const ProfileSetting &setting);

// The settings the collector does not hold.
QList<ProfileSetting> settingsNotHeld(const HeadlessForm &collector, const QList<ProfileSetting> &settings);

// One row of a comparison: what the collector holds and what the profile gives.
struct ComparedSetting
{
    const ProfileKey *key;
    QString collector;
    QString profile;
    bool inProfile;
    bool differs;
};

struct Comparison
{
    // Every key the link can read, in the order of the pages.
    QList<ComparedSetting> rows;
    // The keys read over the serial link only, not compared over the gateway.
    QStringList unread;
    int differing = 0;
};

Comparison compareWithCollector(const HeadlessForm &collector, const QList<ProfileSetting> &profile,
                                bool viaGateway);
