// read, write, diff and keys: a collector's settings as a profile.
#include "commands/CommandTable.h"
#include "commands/TypingRules.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "profile/NearestName.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"

#include <QFile>
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
        pages << page;
    }
    return pages;
}

void readPages(CtlRun &run, const QList<const ProfilePage *> &pages)
{
    for (const ProfilePage *page : pages)
        for (const char *query : page->queries)
            if (!(run.isGateway() && queryNeedsSerial(query)))
                run.run(query);
}

bool readableHere(const CtlRun &run, const ProfileKey &key)
{
    return !(run.isGateway() && needsSerial(key));
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

QList<ProfileSetting> checkedSettings(const CtlRun &run)
{
    if (run.options.arguments.size() != 1)
        throw CtlFailure(UsageError, QStringLiteral("%1: give one PROFILE file").arg(run.options.command));
    const QString path = run.options.arguments.first();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CtlFailure(UsageError, QStringLiteral("%1: %2").arg(path, file.errorString()));
    const CheckedProfile checked = checkProfile(file.readAll());
    for (const QString &fault : checked.faults)
        CtlRun::note(path + QStringLiteral(": ") + fault);
    if (!checked.faults.isEmpty())
        throw CtlFailure(UsageError, QStringLiteral("%1: nothing sent").arg(path));
    if (run.isGateway() && run.options.linkGiven) {
        const QStringList serialOnly = serialOnlyNames(checked.settings);
        if (!serialOnly.isEmpty())
            throw CtlFailure(UsageError,
                             QStringLiteral("%1: need the serial link (--serial): %2; nothing sent")
                                 .arg(path, serialOnly.join(u", ")));
    }
    return checked.settings;
}

// Reads the pages the settings are on and prints each setting the collector holds otherwise.
int compareWithCollector(CtlRun &run, const QList<ProfileSetting> &settings)
{
    QList<const ProfilePage *> pages;
    for (const ProfileSetting &setting : settings)
        if (const ProfilePage *page = findProfilePage(QLatin1String(setting.key->page));
            !pages.contains(page))
            pages << page;
    readPages(run, pages);
    int differing = 0;
    for (const ProfileSetting &setting : settings) {
        const QString held = shownValue(run.form, *setting.key);
        if (held == setting.value)
            continue;
        ++differing;
        std::printf("%s: collector \"%s\", profile \"%s\"\n", qPrintable(fullName(*setting.key)),
                    qPrintable(held), qPrintable(setting.value));
    }
    return differing == 0 ? Done : CollectorDiffers;
}

int write(CtlRun &run)
{
    const QList<ProfileSetting> settings = checkedSettings(run);
    QStringList faults;
    const QList<PlannedCommand> planned = planCommands(run.form, settings, faults);
    for (const QString &fault : faults)
        CtlRun::note(run.options.arguments.first() + QStringLiteral(": ") + fault);
    if (!faults.isEmpty())
        throw CtlFailure(UsageError, QStringLiteral("%1: nothing sent").arg(run.options.arguments.first()));
    if (run.options.dryRun) {
        for (const PlannedCommand &command : planned)
            run.output(command.command.text + '\n');
        return Done;
    }
    int wrong = 0;
    for (const PlannedCommand &command : planned) {
        const QByteArray answer = run.link().exchange(command.command);
        if (answer.contains("ERROR")) {
            ++wrong;
            CtlRun::note(QStringLiteral("%1: the collector refused %2: %3")
                             .arg(fullName(*command.keys.first()), QString::fromLatin1(command.command.text),
                                  QString::fromLatin1(answer)));
        }
    }
    const int compared = compareWithCollector(run, settings);
    return wrong == 0 ? compared : CollectorDiffers;
}

int listKeys()
{
    for (const ProfileKey &key : profileKeys()) {
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
        std::printf("| `%s` | `%s` | %s%s |\n", qPrintable(fullName(key)), key.button, qPrintable(allowed),
                    needsSerial(key) ? " (serial link only)" : "");
    }
    return Done;
}

} // namespace

int runProfileCommand(CtlRun &run)
{
    const QString &command = run.options.command;
    if (command == QLatin1String("keys"))
        return listKeys();
    if (command == QLatin1String("read")) {
        const QList<const ProfilePage *> pages = pagesAskedFor(run);
        readPages(run, pages);
        run.output(profileText(run, pages));
        return Done;
    }
    if (command == QLatin1String("write"))
        return write(run);
    return compareWithCollector(run, checkedSettings(run));
}
