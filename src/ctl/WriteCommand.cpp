// write: a profile into a collector, only what differs, with a summary that survives interruption.
#include "commands/LinkMode.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "ctl/ProfileSettings.h"
#include "profile/ActionHooks.h"
#include "profile/ProfileKeys.h"
#include "profile/ProfileWrite.h"

#include <QJsonDocument>

namespace {

constexpr Outcome namedOutcomes[] = {Outcome::Changed,    Outcome::Failed,    Outcome::NotReadBack,
                                     Outcome::NotWritten, Outcome::Uncertain, Outcome::Kept};

void printSummary(CtlRun &run, const WriteResult &result)
{
    if (run.options.json) {
        run.output(QJsonDocument(summaryJson(result)).toJson(QJsonDocument::Compact) + '\n');
        return;
    }
    QByteArray text;
    for (const Outcome outcome : namedOutcomes)
        for (const QString &key : result.names(outcome))
            text += (key + QStringLiteral(": ") + outcomeName(outcome)).toUtf8() + '\n';
    text += countsLine(result).toUtf8() + '\n';
    run.output(text);
}

ExitStatus statusOf(const WriteResult &result)
{
    switch (result.ending) {
    case Ending::Completed:
        return result.count(Outcome::Failed) == 0 ? Done : CollectorDiffers;
    case Ending::Stopped:
        return Interrupted;
    case Ending::LinkLost:
        // A second stop signal ends the exchange in flight: stopped all the same.
        return CtlRun::stopRequested() ? Interrupted : LinkError;
    case Ending::Refused:
        return CollectorDiffers;
    }
    return CollectorDiffers;
}

// Refused before anything was sent: with --json the summary still comes, every setting unwritten.
[[noreturn]] void endBeforeSending(CtlRun &run, const QList<ProfileSetting> &settings, ExitStatus status,
                                   const QString &why)
{
    if (run.options.json) {
        WriteResult result;
        for (const ProfileSetting &setting : settings)
            result.outcomes << std::pair{setting.key, Outcome::NotWritten};
        result.ending = status == Interrupted ? Ending::Stopped : Ending::LinkLost;
        result.why = why;
        printSummary(run, result);
    }
    throw CtlFailure(status, why);
}

int write(CtlRun &run)
{
    CtlProfile profile;
    try {
        profile = checkedProfile(run);
    } catch (const CtlFailure &failure) {
        endBeforeSending(run, {}, failure.status, failure.message);
    }
    QStringList faults;
    HeadlessForm planForm;
    setLinkMode(planForm, run.isGateway());
    WriteRequest request;
    request.settings = profile.settings;
    request.commands = planCommands(planForm, profile.settings, faults);
    request.all = run.options.all;
    request.skipped = profile.skipped;
    request.givenHere = profile.givenHere;
    request.restoreIdentity = run.options.restore;
    for (const QString &fault : faults)
        CtlRun::note(profileName(run) + QStringLiteral(": ") + fault);
    if (!faults.isEmpty())
        endBeforeSending(run, profile.settings, UsageError,
                         QStringLiteral("%1: nothing sent").arg(profileName(run)));
    if (run.options.dryRun) {
        for (const PlannedCommand &command : request.commands)
            run.output(command.command.text + '\n');
        return Done;
    }
    try {
        run.link();
    } catch (const SessionError &error) {
        endBeforeSending(run, profile.settings, LinkError, error.message);
    } catch (const CtlFailure &failure) {
        endBeforeSending(run, profile.settings, failure.status, failure.message);
    }
    WriteResult result = writeProfile(run.profileLink(), request, ctlHooks());
    if (result.ending == Ending::Stopped)
        result.why = QStringLiteral("stopped by a signal");
    for (const QString &key : result.names(Outcome::Failed))
        CtlRun::note(QStringLiteral("%1: failed: the collector refused it or holds another value").arg(key));
    printSummary(run, result);
    const ExitStatus status = statusOf(result);
    if (result.ending != Ending::Completed)
        throw CtlFailure(status,
                         QStringLiteral("%1; written: %2; not written: %3")
                             .arg(result.why,
                                  (result.names(Outcome::Changed) + result.names(Outcome::NotReadBack) +
                                   result.names(Outcome::Uncertain))
                                      .join(u", "),
                                  result.names(Outcome::NotWritten).join(u", ")));
    return status;
}

} // namespace

int runWriteCommand(CtlRun &run)
{
    return write(run);
}
