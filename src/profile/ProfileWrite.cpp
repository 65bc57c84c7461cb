#include "profile/ProfileWrite.h"

#include "commands/CollectorLink.h"
#include "profile/ActionHooks.h"
#include "profile/AnswerCheck.h"
#include "profile/ProfileCompare.h"
#include "profile/ProfileKeys.h"
#include "profile/QueryPlan.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString namesOf(const QList<const ProfileKey *> &keys)
{
    QStringList names;
    for (const ProfileKey *key : keys)
        names << fullName(*key);
    return names.join(QStringLiteral(", "));
}

Ending endingOf(const SessionError &error)
{
    return error.kind == SessionError::Link ? Ending::LinkLost : Ending::Refused;
}

// The settings' keys in the order of the pages, whatever the order of the profile.
QList<const ProfileKey *> inPageOrder(const QList<ProfileSetting> &settings)
{
    QList<const ProfileKey *> keys;
    for (const ProfileKey &key : profileKeys())
        if (std::any_of(settings.begin(), settings.end(),
                        [&key](const ProfileSetting &s) { return s.key == &key; }))
            keys << &key;
    return keys;
}

// The write ended before anything was sent.
WriteResult notWrittenAtAll(const QList<ProfileSetting> &settings, Ending ending, const QString &why)
{
    WriteResult result;
    for (const ProfileKey *key : inPageOrder(settings))
        result.outcomes << std::pair{key, Outcome::NotWritten};
    result.ending = ending;
    result.why = why;
    return result;
}

} // namespace

WriteLog sendCommands(CollectorLink &link, const QList<PlannedCommand> &commands, const ActionHooks &hooks)
{
    WriteLog log;
    for (qsizetype n = 0; n < commands.size(); ++n) {
        const PlannedCommand &command = commands.at(n);
        if (hooks.stopping()) {
            log.ending = Ending::Stopped;
            log.why = QStringLiteral("stopped");
            break;
        }
        hooks.show(int(n), int(commands.size()),
                   QCoreApplication::translate("Profile", "Setting %1 of %2: %3")
                       .arg(n + 1)
                       .arg(commands.size())
                       .arg(namesOf(command.keys)));
        try {
            const QByteArray answer = link.exchange(command.command, wholeSetAnswer(command));
            log.sent << SentCommand{&command, answer.contains("ERROR") ? Sent::Refused : Sent::Taken, answer};
        } catch (const SessionError &error) {
            // Gone out, no answer: the collector may or may not hold it.
            log.sent << SentCommand{&command, Sent::NoAnswer, {}};
            log.ending = endingOf(error);
            log.why = error.message;
            break;
        }
    }
    hooks.show(int(commands.size()), int(commands.size()), {});
    return log;
}

WriteResult classifyWrite(const QList<ProfileSetting> &settings, const WritePlan &plan, const WriteLog &log,
                          const std::optional<CollectorState> &after)
{
    WriteResult result;
    result.ending = log.ending;
    result.why = log.why;
    const QList<ProfileSetting> stillDiffer =
        after ? settingsNotHeld(after->form, settings) : QList<ProfileSetting>();
    auto readBackDiffers = [&stillDiffer](const ProfileKey *key) {
        return std::any_of(stillDiffer.begin(), stillDiffer.end(),
                           [key](const ProfileSetting &s) { return s.key == key; });
    };
    for (const ProfileKey *key : inPageOrder(settings)) {
        const auto sent = std::find_if(log.sent.begin(), log.sent.end(),
                                       [key](const SentCommand &c) { return c.command->keys.contains(key); });
        const bool planned = std::any_of(plan.toSend.begin(), plan.toSend.end(),
                                         [key](const PlannedCommand &c) { return c.keys.contains(key); });
        const bool heldBefore = plan.heldBefore.contains(key);
        Outcome outcome;
        if (sent != log.sent.end() && sent->sent == Sent::Refused)
            outcome = Outcome::Failed;
        else if (sent != log.sent.end() && sent->sent == Sent::NoAnswer)
            outcome = Outcome::Uncertain;
        else if (planned && sent == log.sent.end())
            outcome = Outcome::NotWritten;
        else if (!after)
            // Taken, or not sent as it was right: without a read-back only the first is news.
            outcome = planned ? Outcome::NotReadBack : Outcome::AlreadyRight;
        else if (readBackDiffers(key))
            outcome = Outcome::Failed;
        else
            outcome = heldBefore ? Outcome::AlreadyRight : Outcome::Changed;
        result.outcomes << std::pair{key, outcome};
    }
    return result;
}

namespace {

// The identity settings to leave as the collector has them, by the request's rule.
QList<IdentityDifference> identityToKeep(const WriteRequest &request, const HeadlessForm &before)
{
    const QList<IdentityDifference> differ = identityDifferences(before, request.settings, request.givenHere);
    if (differ.isEmpty() || request.restoreIdentity ||
        (request.writeIdentity && request.writeIdentity(differ)))
        return {};
    return differ;
}

// The request without the kept settings and the commands that would send them.
WriteRequest without(const WriteRequest &request, const QList<IdentityDifference> &kept)
{
    auto isKept = [&kept](const ProfileKey *key) {
        return std::any_of(kept.begin(), kept.end(),
                           [key](const IdentityDifference &d) { return d.key == key; });
    };
    WriteRequest rest = request;
    rest.settings.removeIf([&](const ProfileSetting &s) { return isKept(s.key); });
    rest.commands.removeIf(
        [&](const PlannedCommand &c) { return std::any_of(c.keys.begin(), c.keys.end(), isKept); });
    return rest;
}

} // namespace

WriteResult writeProfile(CollectorLink &link, const WriteRequest &whole, const ActionHooks &hooks,
                         std::optional<CollectorState> *readBack)
{
    WriteRequest request = whole;
    QList<IdentityDifference> kept;
    const QList<PlannedQuery> queries = planSettingQueries(request.settings, link.viaGateway());
    WriteResult result;
    WritePlan plan;
    WriteLog log;
    std::optional<CollectorState> after;
    bool endedBeforeSending = true;
    try {
        const CollectorState before = readCollector(link, queries, hooks);
        kept = identityToKeep(request, before.form);
        request = without(request, kept);
        plan = planWrite(request.commands, before.form, request.settings, request.all);
        endedBeforeSending = false;
        log = sendCommands(link, plan.toSend, hooks);
    } catch (const SessionError &error) {
        result = notWrittenAtAll(request.settings, endingOf(error), error.message);
    } catch (const ActionStopped &) {
        result = notWrittenAtAll(request.settings, Ending::Stopped, QStringLiteral("stopped"));
    }
    if (!endedBeforeSending) {
        if (log.ending == Ending::Completed) {
            try {
                after = readCollector(link, queries, hooks);
            } catch (const SessionError &error) {
                log.ending = endingOf(error);
                log.why = QStringLiteral("reading back: %1").arg(error.message);
            } catch (const ActionStopped &) {
                log.ending = Ending::Stopped;
                log.why = QStringLiteral("stopped before the read-back");
            }
        }
        result = classifyWrite(request.settings, plan, log, after);
    }
    for (const IdentityDifference &identity : kept) {
        result.outcomes << std::pair{identity.key, Outcome::Kept};
        result.keptValues << QStringLiteral("%1 \"%2\" (the profile has \"%3\")")
                                 .arg(fullName(*identity.key), identity.collector, identity.profile);
    }
    result.skipped = request.skipped;
    if (readBack)
        *readBack = std::move(after);
    return result;
}
