#include "profile/WritePlan.h"

#include "profile/ProfileCompare.h"
#include "profile/ProfileKeys.h"

#include <algorithm>

SettingsForLink settingsForLink(const QList<ProfileSetting> &settings, bool viaGateway)
{
    SettingsForLink sorted;
    for (const ProfileSetting &setting : settings) {
        if (viaGateway && needsSerial(*setting.key))
            sorted.serialOnly << setting;
        else if (clearsHistory(setting))
            sorted.actions << setting;
        else
            sorted.settings << setting;
    }
    return sorted;
}

WritePlan planWrite(const QList<PlannedCommand> &commands, const HeadlessForm &before,
                    const QList<ProfileSetting> &settings, bool all)
{
    WritePlan plan;
    const QList<ProfileSetting> notHeld = settingsNotHeld(before, settings);
    for (const ProfileSetting &setting : settings)
        if (std::none_of(notHeld.begin(), notHeld.end(),
                         [&setting](const ProfileSetting &s) { return s.key == setting.key; }))
            plan.heldBefore << setting.key;
    for (const PlannedCommand &command : commands) {
        const bool differs =
            std::any_of(command.keys.begin(), command.keys.end(),
                        [&plan](const ProfileKey *key) { return !plan.heldBefore.contains(key); });
        if (all || differs)
            plan.toSend << command;
    }
    return plan;
}
