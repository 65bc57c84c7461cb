// read, diff and keys: a collector's settings as a profile; what write shares with them.
#include "commands/CommandTable.h"
#include "commands/TypingRules.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "ctl/ProfileSettings.h"
#include "profile/NearestName.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileCompare.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"

#include <QFile>
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

bool queryNeedsSerial(const char *button)
{
    return findCommand(QLatin1String(button))->route == Route::SerialOnly;
}

bool readableHere(const CtlRun &run, const ProfileKey &key)
{
    return !(run.isGateway() && needsSerial(key));
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
                                          [](const char *q) { return !queryNeedsSerial(q); });
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

// Runs the queries into a form holding no earlier answer; every key a query fills
// here must come back with a value.
void runQueries(CtlRun &run, const QList<const char *> &queries)
{
    run.clearForm();
    for (const char *query : queries) {
        QList<AnswerField> fields;
        for (const ProfileKey &key : profileKeys())
            if (qstrcmp(queryOf(key), query) == 0 && readableHere(run, key))
                fields << AnswerField{QLatin1String(key.control), fullName(key)};
        run.query(query, fields);
    }
}

void readPages(CtlRun &run, const QList<const ProfilePage *> &pages)
{
    QList<const char *> queries;
    for (const ProfilePage *page : pages)
        for (const char *query : page->queries)
            if (!(run.isGateway() && queryNeedsSerial(query)))
                queries << query;
    runQueries(run, queries);
}

} // namespace

// The queries that read the settings, in the order of the pages.
void readSettings(CtlRun &run, const QList<ProfileSetting> &settings)
{
    QList<const char *> queries;
    for (const ProfilePage &page : profilePages())
        for (const char *query : page.queries)
            if (std::any_of(settings.begin(), settings.end(), [query](const ProfileSetting &s) {
                    return qstrcmp(queryOf(*s.key), query) == 0;
                }))
                queries << query;
    runQueries(run, queries);
}

QString profileName(const CtlRun &run)
{
    const QString path = run.options.arguments.first();
    return path == QLatin1String("-") ? QStringLiteral("standard input") : path;
}

QList<ProfileSetting> checkedSettings(const CtlRun &run)
{
    const QString path = run.options.arguments.first();
    const QString name = profileName(run);
    QFile input;
    const ProfileBytes read = path == QLatin1String("-") && input.open(stdin, QIODevice::ReadOnly)
                                  ? readProfileFrom(input)
                                  : readProfileFile(path);
    if (!read.fault.isEmpty())
        throw CtlFailure(UsageError, QStringLiteral("%1: %2; nothing sent").arg(name, read.fault));
    const CheckedProfile checked = checkProfile(read.bytes);
    QStringList faults = checked.faults;
    QList<ProfileSetting> settings;
    const QStringList serialOnly = run.isGateway() ? serialOnlyNames(checked.settings) : QStringList();
    for (const ProfileSetting &setting : checked.settings) {
        if (clearsHistory(setting) && !run.options.clearHistory &&
            run.options.command == QLatin1String("write"))
            faults << QStringLiteral("%1: \"%2\" clears the collector's stored history, an action, not a "
                                     "setting: add --clear-history to send it")
                          .arg(fullName(*setting.key), setting.value);
        if (!(run.options.skipSerialOnly && serialOnly.contains(fullName(*setting.key))))
            settings << setting;
    }
    for (const QString &fault : faults)
        CtlRun::note(name + QStringLiteral(": ") + fault);
    if (!faults.isEmpty())
        throw CtlFailure(UsageError, QStringLiteral("%1: nothing sent").arg(name));
    if (!serialOnly.isEmpty()) {
        if (!run.options.skipSerialOnly)
            throw CtlFailure(UsageError,
                             QStringLiteral("%1: need the serial link (--serial): %2; nothing sent; "
                                            "--skip-serial-only leaves them out")
                                 .arg(name, serialOnly.join(u", ")));
        CtlRun::note(QStringLiteral("%1: skipped, set over the serial link only: %2")
                         .arg(name, serialOnly.join(u", ")));
    }
    return settings;
}

QList<ProfileSetting> differing(const CtlRun &run, const QList<ProfileSetting> &settings)
{
    QList<ProfileSetting> found;
    for (const ProfileSetting &setting : settings)
        if (!holdsSetting(run.form, setting))
            found << setting;
    return found;
}

namespace {

QByteArray profileText(CtlRun &run, const QList<const ProfilePage *> &pages)
{
    QList<const ProfileKey *> keys;
    QStringList skipped;
    for (const ProfilePage *page : pages) {
        for (const ProfileKey &key : profileKeys()) {
            if (QLatin1String(key.page) != QLatin1String(page->page))
                continue;
            if (readableHere(run, key))
                keys << &key;
            else
                skipped << fullName(key);
        }
    }
    QJsonObject profile = profileOf(run.form, keys);
    for (const ProfilePage *page : pages)
        if (!profile.contains(QLatin1String(page->page)))
            profile.insert(QLatin1String(page->page), QJsonObject());
    if (!skipped.isEmpty())
        CtlRun::note(QStringLiteral("skipped, read over the serial link only: %1").arg(skipped.join(u", ")));
    return QJsonDocument(profile).toJson(QJsonDocument::Indented);
}
int diff(CtlRun &run)
{
    const QList<ProfileSetting> settings = checkedSettings(run);
    readSettings(run, settings);
    if (run.options.dryRun)
        return Done;
    QJsonArray rows;
    const QList<ProfileSetting> different = differing(run, settings);
    for (const ProfileSetting &setting : different) {
        const QString held = shownValue(run.form, *setting.key);
        if (run.options.json)
            rows.append(QJsonObject{{QStringLiteral("key"), fullName(*setting.key)},
                                    {QStringLiteral("collector"), held},
                                    {QStringLiteral("profile"), setting.value}});
        else
            run.output(QStringLiteral("%1: collector \"%2\", profile \"%3\"\n")
                           .arg(fullName(*setting.key), held, setting.value)
                           .toUtf8());
    }
    if (run.options.json)
        run.output(
            QJsonDocument(QJsonObject{{QStringLiteral("differing"), rows}}).toJson(QJsonDocument::Compact) +
            '\n');
    return different.isEmpty() ? Done : CollectorDiffers;
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
        readPages(run, pages);
        if (run.options.dryRun)
            return Done;
        run.output(profileText(run, pages));
        return Done;
    }
    if (command == QLatin1String("write"))
        return runWriteCommand(run);
    return diff(run);
}
