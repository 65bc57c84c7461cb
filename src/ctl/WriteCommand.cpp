// write: a profile into a collector, only what differs, with a summary that survives interruption.
#include "commands/CommandTable.h"
#include "commands/QueryCommands.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "ctl/ProfileSettings.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileCompare.h"
#include "profile/ProfileKeys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

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
#ifdef Q_OS_UNIX
    static const bool onTerminal = isatty(STDERR_FILENO) != 0;
#else
    static const bool onTerminal = false; // the progress line is for POSIX terminals
#endif
    if (!onTerminal)
        return;
    if (n > count)
        std::fprintf(stderr, "\r\033[K");
    else
        std::fprintf(stderr, "\r\033[Ksetting %d of %d: %s", n, count, qPrintable(key));
    std::fflush(stderr);
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
    QList<ProfileSetting> different = settings;
    WriteSummary summary;
    if (run.options.all) {
        for (const PlannedCommand &command : planned)
            toSend << &command;
    } else {
        readSettings(run, settings);
        different = differing(run, settings);
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
    QString lost;
    bool interrupted = false;
    int n = 0;
    for (const PlannedCommand *command : toSend) {
        if (CtlRun::stopRequested()) {
            interrupted = true;
            break;
        }
        progress(++n, int(toSend.size()), fullName(*command->keys.first()));
        QByteArray answer;
        try {
            answer = run.link().exchange(command->command, wholeSetAnswer(*command));
        } catch (const SessionError &error) {
            progress(n + 1, n, {});
            lost = error.message;
            summary.notWritten << namesOf(command->keys);
            CtlRun::note(QStringLiteral("%1: sent, but no answer came: the collector may or may not hold it")
                             .arg(namesOf(command->keys).join(u", ")));
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
    if (interrupted || !lost.isEmpty()) {
        // What was sent is named; what was not stays as the collector held it.
        for (const ProfileKey *key : written)
            summary.written << fullName(*key);
        const QString why = interrupted ? QStringLiteral("stopped by a signal") : lost;
        printSummary(run, summary, why);
        throw CtlFailure(interrupted ? Interrupted : LinkError,
                         QStringLiteral("%1; written: %2; not written: %3")
                             .arg(why, namesOf(written).join(u", "), summary.notWritten.join(u", ")));
    }
    // The read-back fills a form of its own: a setting the answer lacks is no match.
    auto notReadBack = [&](ExitStatus status, const QString &message) {
        for (const ProfileKey *key : written)
            summary.written << fullName(*key);
        printSummary(run, summary, message);
        return CtlFailure(
            status,
            QStringLiteral("%1; written, not read back: %2").arg(message, summary.written.join(u", ")));
    };
    try {
        readSettings(run, settings);
    } catch (const CtlFailure &failure) {
        throw notReadBack(failure.status, failure.message);
    } catch (const SessionError &error) {
        throw notReadBack(error.kind == SessionError::Link ? LinkError : CollectorDiffers, error.message);
    }
    const QList<ProfileSetting> still = differing(run, settings);
    auto among = [](const QList<ProfileSetting> &list, const ProfileKey *key) {
        return std::any_of(list.begin(), list.end(), [key](const ProfileSetting &s) { return s.key == key; });
    };
    for (const ProfileKey *key : written) {
        // A setting sent with others of its "Set" button may have been right already.
        QStringList &outcome = among(still, key) || refused.contains(fullName(*key)) ? summary.failed
                               : among(different, key)                               ? summary.changed
                                                                                     : summary.alreadyRight;
        outcome << fullName(*key);
    }
    for (const ProfileSetting &setting : still)
        if (summary.alreadyRight.removeAll(fullName(*setting.key)) > 0)
            summary.failed << fullName(*setting.key);
    printSummary(run, summary, {});
    return summary.failed.isEmpty() ? Done : CollectorDiffers;
}

} // namespace

int runWriteCommand(CtlRun &run)
{
    return write(run);
}
