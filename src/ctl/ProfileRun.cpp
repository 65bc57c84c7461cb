// What read, diff and write share: the profile checked, the collector read, the stop signals.
#include "commands/CommandTable.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "ctl/ProfileSettings.h"
#include "profile/ActionHooks.h"
#include "profile/CollectorRead.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileKeys.h"
#include "profile/WritePlan.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

void progressLine(int done, int count, const QString &what)
{
#ifdef Q_OS_UNIX
    static const bool onTerminal = isatty(STDERR_FILENO) != 0;
#else
    static const bool onTerminal = false; // the progress line is for POSIX terminals
#endif
    if (!onTerminal)
        return;
    if (done >= count || what.isEmpty())
        std::fprintf(stderr, "\r\033[K");
    else
        std::fprintf(stderr, "\r\033[K%s", qPrintable(what));
    std::fflush(stderr);
}

QStringList namesOf(const QList<ProfileSetting> &settings)
{
    QStringList names;
    for (const ProfileSetting &setting : settings)
        names << fullName(*setting.key);
    return names;
}

// The --set values, checked as a profile's are: "page.key=VALUE" each.
QList<ProfileSetting> givenSettings(const CtlRun &run, QStringList &faults)
{
    QJsonObject pages;
    for (const QString &given : run.options.givenSettings) {
        const QString name = given.section(u'=', 0, 0);
        const QString page = name.section(u'.', 0, 0);
        const QString key = name.section(u'.', 1);
        QJsonObject settings = pages.value(page).toObject();
        if (settings.contains(key))
            faults << QStringLiteral("--set %1: given twice; give it once").arg(name);
        settings.insert(key, given.section(u'=', 1));
        pages.insert(page, settings);
    }
    if (pages.isEmpty())
        return {};
    const CheckedProfile checked = checkProfile(QJsonDocument(pages).toJson(QJsonDocument::Compact));
    for (const QString &fault : checked.faults)
        faults << QStringLiteral("--set %1").arg(fault);
    return checked.settings;
}

} // namespace

QString profileName(const CtlRun &run)
{
    const QString path = run.options.arguments.first();
    return path == QLatin1String("-") ? QStringLiteral("standard input") : path;
}

CtlProfile checkedProfile(const CtlRun &run)
{
    const QString path = run.options.arguments.first();
    const QString name = profileName(run);
    QFile input;
    const ProfileBytes read = path == QLatin1String("-") && input.open(stdin, QIODevice::ReadOnly)
                                  ? readProfileFrom(input)
                                  : readProfileFile(path);
    if (!read.fault.isEmpty())
        throw CtlFailure(UsageError, QStringLiteral("%1: %2; nothing sent").arg(name, read.fault));
    CheckedProfile checked = checkProfile(read.bytes);
    QStringList faults = checked.faults;
    QSet<const ProfileKey *> givenHere;
    for (const ProfileSetting &own : givenSettings(run, faults)) {
        checked.settings.removeIf([&own](const ProfileSetting &s) { return s.key == own.key; });
        checked.settings << own;
        givenHere << own.key;
    }
    const SettingsForLink sorted = settingsForLink(checked.settings, run.isGateway());
    CtlProfile profile{sorted.settings, {}, givenHere};
    const bool writing = run.options.command == QLatin1String("write");
    for (const ProfileSetting &setting : sorted.actions) {
        if (writing && !run.options.clearHistory)
            faults << QStringLiteral("%1: \"%2\" clears the collector's stored history, an action, not a "
                                     "setting: add --clear-history to send it")
                          .arg(fullName(*setting.key), setting.value);
        profile.settings << setting;
    }
    for (const QString &fault : faults)
        CtlRun::note(name + QStringLiteral(": ") + fault);
    if (!faults.isEmpty())
        throw CtlFailure(UsageError, QStringLiteral("%1: nothing sent").arg(name));
    if (!sorted.serialOnly.isEmpty()) {
        const QString serialOnly = namesOf(sorted.serialOnly).join(u", ");
        if (!run.options.skipSerialOnly)
            throw CtlFailure(UsageError,
                             QStringLiteral("%1: need the serial link (--serial): %2; nothing sent; "
                                            "--skip-serial-only leaves them out")
                                 .arg(name, serialOnly));
        CtlRun::note(QStringLiteral("%1: skipped, set over the serial link only: %2").arg(name, serialOnly));
        for (const ProfileSetting &setting : sorted.serialOnly)
            profile.skipped << fullName(*setting.key);
    }
    return profile;
}

ActionHooks ctlHooks()
{
    return ActionHooks{progressLine, &CtlRun::stopRequested};
}

CollectorState readOverRun(CtlRun &run, const QList<PlannedQuery> &plan)
{
    try {
        return readCollector(run.profileLink(), plan, ctlHooks());
    } catch (const ActionStopped &) {
        progressLine(0, 0, {});
        throw CtlFailure(Interrupted, QStringLiteral("%1: stopped by a signal").arg(run.options.command));
    } catch (const SessionError &error) {
        progressLine(0, 0, {});
        if (error.kind == SessionError::Answer)
            throw CtlFailure(CollectorDiffers,
                             QStringLiteral("%1: %2").arg(run.options.link.name(), error.message));
        throw;
    }
}

void printQueries(CtlRun &run, const QList<PlannedQuery> &plan)
{
    for (const PlannedQuery &query : plan)
        run.output(run.command(query.button).text + '\n');
}
