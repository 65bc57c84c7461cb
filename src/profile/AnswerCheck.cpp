#include "profile/AnswerCheck.h"

#include "commands/CommandTable.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "commands/QueryCommands.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileKeys.h"
#include "replies/ReplyDispatch.h"

#include <algorithm>
#include <optional>

namespace {

std::optional<HeadlessForm> parsed(const QByteArray &answer, qint32 replyCode)
{
    HeadlessForm form;
    ExchangeState exchange;
    exchange.ExpectedReplyCode = replyCode;
    exchange.ReplyText = answer;
    exchange.PiecesSinceParse = {answer};
    try {
        parseReply(form, exchange);
    } catch (const HandlerError &) {
        return std::nullopt;
    }
    return form;
}

bool sameField(const HeadlessForm &a, const HeadlessForm &b, const QString &control)
{
    return a.holds(control) == b.holds(control) && a.index(control) == b.index(control) &&
           a.text(control) == b.text(control);
}

} // namespace

bool answerComplete(const QByteArray &answer, qint32 replyCode, const QStringList &controls)
{
    const std::optional<HeadlessForm> form = parsed(answer, replyCode);
    if (!form || !std::all_of(controls.begin(), controls.end(),
                              [&](const QString &control) { return form->holds(control); }))
        return false;
    // A field that ends with the text would take the next bytes too: it is cut. Two
    // different digits, so that no item mapping reads both the same as the cut field.
    for (const char *more : {"9", "7"}) {
        const std::optional<HeadlessForm> longer = parsed(answer + more, replyCode);
        if (!longer || !std::all_of(controls.begin(), controls.end(), [&](const QString &control) {
                return sameField(*form, *longer, control);
            }))
            return false;
    }
    return true;
}

QStringList controlsOfQuery(const char *button)
{
    QStringList controls;
    for (const ProfileKey &key : profileKeys())
        if (qstrcmp(queryOf(key), button) == 0)
            controls << QLatin1String(key.control);
    return controls;
}

WholeAnswer wholeQueryAnswer(const char *button)
{
    const qint32 code = findCommand(QLatin1String(button))->replyCode.value_or(0);
    const QStringList controls = controlsOfQuery(button);
    return [code, controls](const QByteArray &answer) { return answerComplete(answer, code, controls); };
}

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
        return isAcknowledgement(answer) || answerComplete(answer, code, controls);
    };
}
