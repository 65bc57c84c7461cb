// read, write, diff and keys: a collector's settings as a profile.
#include "commands/CommandTable.h"
#include "commands/QueryCommands.h"
#include "commands/TypingRules.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "profile/NearestName.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileCompare.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <unistd.h>

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

QString profileName(const CtlRun &run)
{
    const QString path = run.options.arguments.first();
    return path == QLatin1String("-") ? QStringLiteral("standard input") : path;
}

QList<ProfileSetting> checkedSettings(const CtlRun &run)
{
    const QString path = run.options.arguments.first();
    const QString name = profileName(run);
    QFile file;
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        throw CtlFailure(UsageError, QStringLiteral("%1: %2").arg(path, file.errorString()));
    const CheckedProfile checked = checkProfile(file.readAll());
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

// The settings the collector's form does not hold, by the bytes their commands send.
QList<ProfileSetting> differing(const CtlRun &run, const QList<ProfileSetting> &settings)
{
    QList<ProfileSetting> found;
    for (const ProfileSetting &setting : settings)
        if (!holdsSetting(run.form, setting))
            found << setting;
    return found;
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

QStringList namesOf(const QList<const ProfileKey *> &keys)
{
    QStringList names;
    for (const ProfileKey *key : keys)
        names << fullName(*key);
    return names;
}

QJsonArray jsonNames(const QStringList &names)
{
    return QJsonArray::fromStringList(names);
}

// What a write came to, key by key.
struct WriteSummary
{
    QStringList changed;
    QStringList alreadyRight;
    QStringList failed;
    QStringList written; // sent, not read back: the write was stopped
    QStringList notWritten;
};

void printSummary(CtlRun &run, const WriteSummary &summary, const QString &ending)
{
    if (run.options.json) {
        QJsonObject object{{QStringLiteral("changed"), jsonNames(summary.changed)},
                           {QStringLiteral("already_right"), jsonNames(summary.alreadyRight)},
                           {QStringLiteral("failed"), jsonNames(summary.failed)},
                           {QStringLiteral("written"), jsonNames(summary.written)},
                           {QStringLiteral("not_written"), jsonNames(summary.notWritten)}};
        if (!ending.isEmpty())
            object.insert(QStringLiteral("stopped"), ending);
        run.output(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
        return;
    }
    QByteArray text;
    for (const QString &key : summary.changed)
        text += key.toUtf8() + ": changed\n";
    for (const QString &key : summary.failed)
        text += key.toUtf8() + ": failed\n";
    for (const QString &key : summary.written)
        text += key.toUtf8() + ": written, not read back\n";
    for (const QString &key : summary.notWritten)
        text += key.toUtf8() + ": not written\n";
    text += QStringLiteral("%1 changed, %2 already right, %3 failed")
                .arg(summary.changed.size())
                .arg(summary.alreadyRight.size())
                .arg(summary.failed.size())
                .toUtf8();
    if (!summary.written.isEmpty() || !summary.notWritten.isEmpty())
        text += QStringLiteral(", %1 written, not read back, %2 not written")
                    .arg(summary.written.size())
                    .arg(summary.notWritten.size())
                    .toUtf8();
    text += '\n';
    run.output(text);
}

void progress(int n, int count, const QString &key)
{
    static const bool onTerminal = isatty(STDERR_FILENO) != 0;
    if (!onTerminal)
        return;
    if (n > count)
        std::fprintf(stderr, "\r\033[K");
    else
        std::fprintf(stderr, "\r\033[Ksetting %d of %d: %s", n, count, qPrintable(key));
    std::fflush(stderr);
}

// A setting's answer is whole with OK or ERROR, or, for a "Set" answered like a query
// (a slot's frame by the RS485 page, a slot's bytes by its bytes), with that query's fields.
WholeAnswer wholeSetAnswer(const PlannedCommand &command)
{
    if (!command.command.replyCode)
        return isAcknowledgement;
    const qint32 code = *command.command.replyCode;
    const char *query = queryOf(*command.keys.first());
    if (findCommand(QLatin1String(query))->replyCode != code)
        for (const CommandRow &row : queryCommands())
            if (row.replyCode == code)
                query = row.button;
    const QStringList controls = controlsOfQuery(query);
    return [code, controls](const QByteArray &answer) {
        return isAcknowledgement(answer) || fillsAll(answer, code, controls);
    };
}

int write(CtlRun &run)
{
    const QList<ProfileSetting> settings = checkedSettings(run);
    QStringList faults;
    HeadlessForm planForm;
    planForm.setIndex(QStringLiteral("ComboBox2"), run.isGateway() ? 1 : 0);
    const QList<PlannedCommand> planned = planCommands(planForm, settings, faults);
    for (const QString &fault : faults)
        CtlRun::note(profileName(run) + QStringLiteral(": ") + fault);
    if (!faults.isEmpty())
        throw CtlFailure(UsageError, QStringLiteral("%1: nothing sent").arg(profileName(run)));
    if (run.options.dryRun) {
        for (const PlannedCommand &command : planned)
            run.output(command.command.text + '\n');
        return Done;
    }
    // What the collector holds first: only the commands of settings it does not hold go out.
    QList<const PlannedCommand *> toSend;
    WriteSummary summary;
    if (run.options.all) {
        for (const PlannedCommand &command : planned)
            toSend << &command;
    } else {
        readSettings(run, settings);
        const QList<ProfileSetting> different = differing(run, settings);
        for (const PlannedCommand &command : planned) {
            const bool differs =
                std::any_of(command.keys.begin(), command.keys.end(), [&](const ProfileKey *key) {
                    return std::any_of(different.begin(), different.end(),
                                       [key](const ProfileSetting &s) { return s.key == key; });
                });
            if (differs)
                toSend << &command;
            else
                summary.alreadyRight << namesOf(command.keys);
        }
    }
    QList<const ProfileKey *> written;
    QStringList refused;
    QString stopped;
    int n = 0;
    for (const PlannedCommand *command : toSend) {
        if (CtlRun::stopRequested()) {
            stopped = QStringLiteral("interrupted");
            break;
        }
        progress(++n, int(toSend.size()), fullName(*command->keys.first()));
        QByteArray answer;
        try {
            answer = run.link().exchange(command->command, wholeSetAnswer(*command));
        } catch (const SessionError &error) {
            progress(n + 1, n, {});
            stopped = error.message;
            summary.notWritten << namesOf(command->keys);
            break;
        }
        written << command->keys;
        if (answer.contains("ERROR")) {
            refused << namesOf(command->keys);
            CtlRun::note(QStringLiteral("%1: the collector refused %2: %3")
                             .arg(namesOf(command->keys).join(u", "),
                                  QString::fromLatin1(command->command.text),
                                  QString::fromLatin1(escapedBytes(answer))));
        }
    }
    progress(n + 1, n, {});
    for (const PlannedCommand *command : toSend)
        if (!written.contains(command->keys.first()) &&
            !summary.notWritten.contains(fullName(*command->keys.first())))
            summary.notWritten << namesOf(command->keys);
    if (!stopped.isEmpty()) {
        // What was sent is named; what was not stays as the collector held it.
        for (const ProfileKey *key : written)
            summary.written << fullName(*key);
        printSummary(run, summary, stopped);
        const bool interrupted = stopped == QLatin1String("interrupted");
        throw CtlFailure(interrupted ? Interrupted : LinkError,
                         QStringLiteral("%1; written: %2; not written: %3")
                             .arg(interrupted ? QStringLiteral("stopped by a signal") : stopped,
                                  namesOf(written).join(u", "), summary.notWritten.join(u", ")));
    }
    // The read-back fills a form of its own: a setting the answer lacks is no match.
    readSettings(run, settings);
    const QList<ProfileSetting> still = differing(run, settings);
    for (const ProfileKey *key : written) {
        const bool holds =
            std::none_of(still.begin(), still.end(), [key](const ProfileSetting &s) { return s.key == key; });
        (holds && !refused.contains(fullName(*key)) ? summary.changed : summary.failed) << fullName(*key);
    }
    for (const ProfileSetting &setting : still)
        if (summary.alreadyRight.removeAll(fullName(*setting.key)) > 0)
            summary.failed << fullName(*setting.key);
    printSummary(run, summary, {});
    return summary.failed.isEmpty() ? Done : CollectorDiffers;
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
        return write(run);
    return diff(run);
}
