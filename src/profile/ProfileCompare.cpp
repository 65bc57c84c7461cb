#include "profile/ProfileCompare.h"

#include "commands/CommandTable.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "commands/QueryCommands.h"
#include "commands/TypingRules.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"
#include "replies/ReplyDispatch.h"

#include <algorithm>

namespace {

// A number field the command sends as typed ("-1.5" in a list of three) that the
// collector keeps filled to its width ("-01.5"): the same number is the same value.
bool sameNumber(const HeadlessForm &collector, const ProfileSetting &setting)
{
    const TypingRule *rule = typingRuleOf(QLatin1String(setting.key->control));
    if (!rule ||
        (rule->characters != TypedCharacters::Digits && rule->characters != TypedCharacters::SignedDecimal))
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

bool fillsAll(const QByteArray &answer, qint32 replyCode, const QStringList &controls)
{
    HeadlessForm scratch;
    ExchangeState exchange;
    exchange.ExpectedReplyCode = replyCode;
    exchange.ReplyText = answer;
    exchange.PiecesSinceParse = {answer};
    try {
        parseReply(scratch, exchange);
    } catch (const HandlerError &) {
        return false;
    }
    return std::all_of(controls.begin(), controls.end(),
                       [&](const QString &control) { return scratch.holds(control); });
}

QStringList controlsOfQuery(const char *button)
{
    QStringList controls;
    for (const ProfileKey &key : profileKeys())
        if (qstrcmp(queryOf(key), button) == 0)
            controls << QLatin1String(key.control);
    return controls;
}

std::function<bool(const QByteArray &answer)> wholeSetAnswer(const PlannedCommand &command)
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
