#include "profile/QueryPlan.h"

#include "commands/CommandTable.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileKeys.h"

#include <algorithm>

namespace {

PlannedQuery queryOfPage(const ProfilePage &page, const char *button, bool viaGateway)
{
    PlannedQuery query{&page, button, {}};
    for (const ProfileKey &key : profileKeys())
        if (qstrcmp(queryOf(key), button) == 0 && readableOver(key, viaGateway))
            query.keys << &key;
    return query;
}

} // namespace

bool queryNeedsSerial(const char *button)
{
    return findCommand(QLatin1String(button))->route == Route::SerialOnly;
}

bool readableOver(const ProfileKey &key, bool viaGateway)
{
    return !viaGateway || (!needsSerial(key) && !queryNeedsSerial(queryOf(key)));
}

QList<PlannedQuery> planPageQueries(const QList<const ProfilePage *> &pages, bool viaGateway)
{
    QList<PlannedQuery> plan;
    for (const ProfilePage *page : pages)
        for (const char *button : page->queries)
            if (!(viaGateway && queryNeedsSerial(button)))
                plan << queryOfPage(*page, button, viaGateway);
    return plan;
}

QList<PlannedQuery> planSettingQueries(const QList<ProfileSetting> &settings, bool viaGateway)
{
    QList<PlannedQuery> plan;
    for (const ProfilePage &page : profilePages())
        for (const char *button : page.queries)
            if (!(viaGateway && queryNeedsSerial(button)) &&
                std::any_of(settings.begin(), settings.end(), [button](const ProfileSetting &s) {
                    return qstrcmp(queryOf(*s.key), button) == 0;
                }))
                plan << queryOfPage(page, button, viaGateway);
    return plan;
}
