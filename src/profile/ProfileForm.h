#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

class Form;
struct ProfileKey;
struct ProfileSetting;

// The value the key's control shows, as Unicode: a drop-down's item text, a field's text.
QString shownValue(const Form &form, const ProfileKey &key);

// The value a profile gives the key: the text the control shows, or, for a drop-down
// item whose text another item shows too, its position.
QJsonValue profileValue(const Form &form, const ProfileKey &key);

// Puts each setting into its control as the user would: a drop-down selects the
// item showing the value (no selection when none does), a field takes the text.
void applyProfile(Form &form, const QList<ProfileSetting> &settings);

// The keys' values as the form shows them: {"page": {"key": "value"}}.
QJsonObject profileOf(const Form &form, const QList<const ProfileKey *> &keys);
