#include "profile/CollectorRead.h"

#include "commands/CollectorLink.h"
#include "commands/CommandTable.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "commands/LinkMode.h"
#include "profile/ActionHooks.h"
#include "profile/AnswerCheck.h"
#include "profile/ProfileKeys.h"
#include "replies/ReplyDispatch.h"

#include <QCoreApplication>

namespace {

void parseInto(HeadlessForm &form, const Command &sent, const QByteArray &answer)
{
    ExchangeState state;
    state.ExpectedReplyCode = sent.replyCode.value_or(0);
    state.ReplyText = answer;
    state.PiecesSinceParse = {answer};
    try {
        parseReply(form, state);
    } catch (const HandlerError &error) {
        throw SessionError(SessionError::Answer, QStringLiteral("the answer to %1 does not read: %2")
                                                     .arg(QString::fromLatin1(sent.text), error.message()));
    }
}

} // namespace

CollectorState readCollector(CollectorLink &link, const QList<PlannedQuery> &plan, const ActionHooks &hooks)
{
    CollectorState state;
    setLinkMode(state.form, link.viaGateway());
    for (qsizetype n = 0; n < plan.size(); ++n) {
        if (hooks.stopping())
            throw ActionStopped{};
        const PlannedQuery &query = plan.at(n);
        hooks.show(int(n), int(plan.size()),
                   QCoreApplication::translate("Profile", "Reading %1 (%2 of %3)")
                       .arg(QLatin1String(query.page->page))
                       .arg(n + 1)
                       .arg(plan.size()));
        const Command sent = buildCommand(*findCommand(QLatin1String(query.button)), state.form);
        QStringList controls;
        for (const ProfileKey *key : query.keys)
            controls << QLatin1String(key->control);
        const qint32 code = sent.replyCode.value_or(0);
        const QByteArray answer = link.exchange(sent, [code, controls](const QByteArray &bytes) {
            return answerComplete(bytes, code, controls);
        });
        parseInto(state.form, sent, answer);
        QStringList missing;
        for (const ProfileKey *key : query.keys)
            if (!state.form.holds(QLatin1String(key->control)))
                missing << fullName(*key);
        if (!missing.isEmpty())
            throw SessionError(
                SessionError::Answer,
                QStringLiteral("the answer to %1 gives no value for %2: is it a TL380 collector?")
                    .arg(QString::fromLatin1(sent.text), missing.join(QStringLiteral(", "))));
        state.answers << QueryAnswer{code, answer};
    }
    hooks.show(int(plan.size()), int(plan.size()), {});
    return state;
}
