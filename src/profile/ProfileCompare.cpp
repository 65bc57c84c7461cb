#include "profile/ProfileCompare.h"

#include "commands/CommandTable.h"
#include "commands/HandlerError.h"
#include "commands/TypingRules.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"
#include "profile/QueryPlan.h"

#include <algorithm>

namespace {

// The direct-read addresses and coefficients take any text on the page, but the
// collector keeps them as numbers filled to their width ("1" comes back "00001").
// clang-format off
constexpr const char *filledByCollector[] = {
    "MAD1MADR", "MAD2MADR", "MAD3MADR", "MAD4MADR", "MPD1MADR", "MPD2MADR", "MPD3MADR",
    "MAD1XS",   "MAD2XS",   "MAD3XS",   "MAD4XS",   "MPD1XS",   "MPD2XS",   "MPD3XS",
};
// clang-format on

bool keptAsNumber(const ProfileKey &key)
{
    if (std::any_of(std::begin(filledByCollector), std::end(filledByCollector),
                    [&key](const char *control) { return qstrcmp(control, key.control) == 0; }))
        return true;
    const TypingRule *rule = typingRuleOf(QLatin1String(key.control));
    return rule && (rule->characters == TypedCharacters::Digits ||
                    rule->characters == TypedCharacters::SignedDecimal);
}

// A number the command sends as typed ("-1.5" in a list of three) that the
// collector keeps filled to its width ("-01.5"): the same number is the same value.
bool sameNumber(const HeadlessForm &collector, const ProfileSetting &setting)
{
    if (!keptAsNumber(*setting.key))
        return false;
    bool heldIsNumber = false;
    bool givenIsNumber = false;
    const double held = shownValue(collector, *setting.key).toDouble(&heldIsNumber);
    const double given = setting.value.toDouble(&givenIsNumber);
    return heldIsNumber && givenIsNumber && held == given;
}

} // namespace

bool holdsSetting(const HeadlessForm &collector, const ProfileSetting &setting)
{
    HeadlessForm given = collector;
    applyProfile(given, {setting});
    const CommandRow &row = setRowOf(*setting.key);
    try {
        return buildCommand(row, collector).text == buildCommand(row, given).text ||
               sameNumber(collector, setting);
    } catch (const HandlerError &) {
        return false; // the collector's values do not make a command: they differ
    }
}

QList<ProfileSetting> settingsNotHeld(const HeadlessForm &collector, const QList<ProfileSetting> &settings)
{
    QList<ProfileSetting> found;
    for (const ProfileSetting &setting : settings)
        if (!holdsSetting(collector, setting))
            found << setting;
    return found;
}

Comparison compareWithCollector(const HeadlessForm &collector, const QList<ProfileSetting> &profile,
                                bool viaGateway)
{
    Comparison comparison;
    for (const ProfileKey &key : profileKeys()) {
        if (!readableOver(key, viaGateway)) {
            comparison.unread << fullName(key);
            continue;
        }
        const auto given = std::find_if(profile.begin(), profile.end(),
                                        [&key](const ProfileSetting &s) { return s.key == &key; });
        ComparedSetting row{&key, shownValue(collector, key), {}, given != profile.end(), false};
        if (row.inProfile) {
            row.profile = given->value;
            row.differs = !holdsSetting(collector, *given);
        }
        comparison.differing += row.differs ? 1 : 0;
        comparison.rows << row;
    }
    return comparison;
}
