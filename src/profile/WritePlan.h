#pragma once

#include "profile/ProfileCheck.h"

#include <QList>
#include <QStringList>

class HeadlessForm;

// A profile's settings sorted for one link.
struct SettingsForLink
{
    QList<ProfileSetting> settings;
    // Set over the serial link only, the link being the gateway.
    QList<ProfileSetting> serialOnly;
    // The retention item that clears the stored history: an action, not a setting.
    QList<ProfileSetting> actions;
};

SettingsForLink settingsForLink(const QList<ProfileSetting> &settings, bool viaGateway);

// What a write sends, given what the collector holds before.
struct WritePlan
{
    // In the order of the command tables.
    QList<PlannedCommand> toSend;
    // The settings the collector held already.
    QList<const ProfileKey *> heldBefore;
};

// The commands of the settings the collector does not hold; with `all`, every one.
WritePlan planWrite(const QList<PlannedCommand> &commands, const HeadlessForm &before,
                    const QList<ProfileSetting> &settings, bool all);
