#pragma once

#include "profile/ProfileCheck.h"

#include <QList>
#include <QSet>
#include <QString>

class HeadlessForm;

// An identity setting the profile gives otherwise than the collector holds it.
struct IdentityDifference
{
    const ProfileKey *key;
    QString collector;
    QString profile;
};

// The identity settings of `settings` the collector holds otherwise, those given for
// this collector (`givenHere`) left out: those are written like any other.
QList<IdentityDifference> identityDifferences(const HeadlessForm &collector,
                                              const QList<ProfileSetting> &settings,
                                              const QSet<const ProfileKey *> &givenHere);
