#pragma once

#include <QJsonObject>
#include <QSet>
#include <QStringList>

class Form;
struct ProfileKey;

// A profile made from a form, as a file the tool opens again with the same values.
struct ProfileToSave
{
    QJsonObject profile;
    // The "Set" buttons' settings left out, each group with why.
    QStringList leftOut;
};

// The settings of each "Set" button, all or none: a group goes in when every one of
// its settings has a value (an empty field counts where `givenEmpty` holds it) and
// the group passes the checks a profile is opened with.
ProfileToSave profileToSave(const Form &form, const QSet<const ProfileKey *> &givenEmpty);
