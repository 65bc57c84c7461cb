#pragma once

#include "commands/Command.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ProfileKey;
class Form;

struct ProfileSetting
{
    const ProfileKey *key;
    // As the window shows it: a field's text, a drop-down's item text.
    QString value;
    // A drop-down's item by its position, where its text does not tell it from another; else -1.
    int position = -1;
};

// A profile file checked as a whole: every setting it holds, or every fault found.
struct CheckedProfile
{
    QList<ProfileSetting> settings;
    QStringList faults;
};

CheckedProfile checkProfile(const QByteArray &json);

// What one "Set" button sends for the settings, and the keys it carries.
struct PlannedCommand
{
    const CommandRow *row;
    Command command;
    QList<const ProfileKey *> keys;
};

// Writes the settings into the form as the user would, then builds the command
// of each "Set" button they touch, in the order of the command tables. A button
// sends several settings at once, so a profile gives all of them or none; a value
// the button's value rule refuses is a fault too.
QList<PlannedCommand> planCommands(Form &form, const QList<ProfileSetting> &settings, QStringList &faults);

// The settings that go to the serial port whatever the link, by name.
QStringList serialOnlyNames(const QList<ProfileSetting> &settings);

// A profile carries settings, never actions: the retention item that clears the
// stored history is one.
bool clearsHistory(const ProfileSetting &setting);
