// read, diff and keys: a collector's settings as a profile, held against one, the keys.
#include "commands/CommandTable.h"
#include "commands/TypingRules.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "ctl/ProfileSettings.h"
#include "profile/CollectorRead.h"
#include "profile/IdentityRule.h"
#include "profile/NearestName.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileCompare.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"
#include "profile/QueryPlan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QStringList pageNames()
{
    QStringList names;
    for (const ProfilePage &page : profilePages())
        names << QLatin1String(page.page);
    return names;
}

// The pages asked for on the command line, all pages when none; over the gateway
// alone a page with nothing it can read is a usage error naming what needs the serial link.
QList<const ProfilePage *> pagesAskedFor(const CtlRun &run)
{
    QList<const ProfilePage *> pages;
    const QStringList names = run.options.arguments.isEmpty() ? pageNames() : run.options.arguments;
    for (const QString &name : names) {
        const ProfilePage *page = findProfilePage(name);
        if (!page)
            throw CtlFailure(UsageError,
                             QStringLiteral("%1: no such page; did you mean \"%2\"? pages: %3")
                                 .arg(name, nearestName(name, pageNames()), pageNames().join(u' ')));
        const bool readable = std::any_of(page->queries.begin(), page->queries.end(),
                                          [](const char *query) { return !queryNeedsSerial(query); });
        if (run.isGateway() && !readable) {
            if (!run.options.arguments.isEmpty())
                throw CtlFailure(
                    UsageError,
                    QStringLiteral("%1: the page is read over the serial link only: use --serial").arg(name));
            CtlRun::note(QStringLiteral("%1: skipped, read over the serial link only").arg(name));
            continue;
        }
        if (!pages.contains(page))
            pages << page;
    }
    return pages;
}

QByteArray profileText(const CtlRun &run, const HeadlessForm &collector,
                       const QList<const ProfilePage *> &pages, bool templateOnly)
{
    QList<const ProfileKey *> keys;
    QStringList skipped;
    for (const ProfilePage *page : pages) {
        for (const ProfileKey &key : profileKeys()) {
            if (QLatin1String(key.page) != QLatin1String(page->page))
                continue;
            if (templateOnly && identifiesCollector(key))
                continue;
            if (readableOver(key, run.isGateway()))
                keys << &key;
            else
                skipped << fullName(key);
        }
    }
    QJsonObject profile = profileOf(collector, keys);
    for (const ProfilePage *page : pages)
        if (!profile.contains(QLatin1String(page->page)))
            profile.insert(QLatin1String(page->page), QJsonObject());
    if (!skipped.isEmpty())
        CtlRun::note(QStringLiteral("skipped, read over the serial link only: %1").arg(skipped.join(u", ")));
    return QJsonDocument(profile).toJson(QJsonDocument::Indented);
}
// The settings that differ; those that identify the collector apart, as write keeps
// them unless given for this collector or restored.
int diff(CtlRun &run)
{
    const CtlProfile profile = checkedProfile(run);
    const QList<PlannedQuery> plan = planSettingQueries(profile.settings, run.isGateway());
    if (run.options.dryRun) {
        printQueries(run, plan);
        return Done;
    }
    const CollectorState collector = readOverRun(run, plan);
    const QList<IdentityDifference> kept =
        run.options.restore ? QList<IdentityDifference>()
                            : identityDifferences(collector.form, profile.settings, profile.givenHere);
    auto isKept = [&kept](const ProfileKey *key) {
        return std::any_of(kept.begin(), kept.end(),
                           [key](const IdentityDifference &d) { return d.key == key; });
    };
    QJsonArray rows;
    QJsonArray identity;
    QByteArray text;
    int differing = 0;
    for (const ProfileSetting &setting : settingsNotHeld(collector.form, profile.settings)) {
        const QString held = shownValue(collector.form, *setting.key);
        const bool own = isKept(setting.key);
        (own ? identity : rows)
            .append(QJsonObject{{QStringLiteral("key"), fullName(*setting.key)},
                                {QStringLiteral("collector"), held},
                                {QStringLiteral("profile"), setting.value}});
        text += QStringLiteral("%1: collector \"%2\", profile \"%3\"%4\n")
                    .arg(fullName(*setting.key), held, setting.value,
                         own ? QStringLiteral(" (identifies the collector: write keeps it)") : QString())
                    .toUtf8();
        differing += own ? 0 : 1;
    }
    if (run.options.json)
        text = QJsonDocument(
                   QJsonObject{{QStringLiteral("differing"), rows}, {QStringLiteral("identity"), identity}})
                   .toJson(QJsonDocument::Compact) +
               '\n';
    run.output(text);
    return differing == 0 ? Done : CollectorDiffers;
}

int listKeys(CtlRun &run)
{
    QByteArray text =
        run.options.json ? QByteArray() : QByteArray("| Key | \"Set\" button | Takes |\n|---|---|---|\n");
    QJsonArray rows;
    QStringList known = pageNames();
    for (const ProfileKey &key : profileKeys())
        known << fullName(key);
    for (const QString &word : run.options.arguments)
        if (!known.contains(word))
            throw CtlFailure(UsageError, QStringLiteral("keys: %1: no such page or key; did you mean \"%2\"?")
                                             .arg(word, nearestName(word, known)));
    for (const ProfileKey &key : profileKeys()) {
        if (!run.options.arguments.isEmpty() && !run.options.arguments.contains(fullName(key)) &&
            !run.options.arguments.contains(QLatin1String(key.page)))
            continue;
        QString allowed;
        const QStringList items = allowedItems(key);
        if (!items.isEmpty()) {
            QStringList quoted;
            for (const QString &item : items)
                quoted << u'"' + item + u'"';
            allowed = QStringLiteral("one of ") + quoted.join(QStringLiteral(", "));
        } else if (const TypingRule *rule = typingRuleOf(QLatin1String(key.control))) {
            allowed = describe(rule->characters);
            if (rule->mostBytes >= 0)
                allowed += QStringLiteral(", at most %1 bytes").arg(rule->mostBytes);
        } else {
            allowed = QStringLiteral("any text");
        }
        if (run.options.json)
            rows.append(QJsonObject{{QStringLiteral("key"), fullName(key)},
                                    {QStringLiteral("button"), QLatin1String(key.button)},
                                    {QStringLiteral("items"), QJsonArray::fromStringList(items)},
                                    {QStringLiteral("takes"), allowed},
                                    {QStringLiteral("serial_only"), needsSerial(key)}});
        else
            text += QStringLiteral("| `%1` | `%2` | %3%4 |\n")
                        .arg(fullName(key), QLatin1String(key.button), allowed,
                             needsSerial(key) ? QStringLiteral(" (serial link only)") : QString())
                        .toUtf8();
    }
    run.output(run.options.json ? QJsonDocument(rows).toJson(QJsonDocument::Compact) + '\n' : text);
    return Done;
}

} // namespace

int runProfileCommand(CtlRun &run)
{
    const QString &command = run.options.command;
    if (command == QLatin1String("keys"))
        return listKeys(run);
    if (command == QLatin1String("read")) {
        const QList<const ProfilePage *> pages = pagesAskedFor(run);
        const QList<PlannedQuery> plan = planPageQueries(pages, run.isGateway());
        if (run.options.dryRun) {
            printQueries(run, plan);
            return Done;
        }
        const CollectorState collector = readOverRun(run, plan);
        run.output(profileText(run, collector.form, pages, run.options.templateOnly));
        return Done;
    }
    if (command == QLatin1String("write"))
        return runWriteCommand(run);
    return diff(run);
}
