#include "profile/IdentityRule.h"

#include "profile/HeadlessForm.h"
#include "profile/ProfileCompare.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"

QList<IdentityDifference> identityDifferences(const HeadlessForm &collector,
                                              const QList<ProfileSetting> &settings,
                                              const QSet<const ProfileKey *> &givenHere)
{
    QList<IdentityDifference> found;
    for (const ProfileSetting &setting : settings)
        if (identifiesCollector(*setting.key) && !givenHere.contains(setting.key) &&
            !holdsSetting(collector, setting))
            found << IdentityDifference{setting.key, shownValue(collector, *setting.key), setting.value};
    return found;
}
