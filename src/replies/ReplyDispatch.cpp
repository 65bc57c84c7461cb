#include "replies/ReplyDispatch.h"

#include "commands/ExchangeState.h"
#include "replies/ChannelReply.h"
#include "replies/GprsReply.h"
#include "replies/HistoryReply.h"
#include "replies/LiveDataReply.h"
#include "replies/Rs485Reply.h"
#include "replies/SlotReply.h"
#include "replies/SystemReply.h"

#include <array>
#include <utility>

std::span<const ReplyBranch> replyBranches()
{
    // clang-format off
    static const std::array branches{
        //          code  branch               clearing                 reads
        ReplyBranch{101,  systemReplyRows(),   Clearing::Both},
        ReplyBranch{102,  gprsReplyRows(),     Clearing::Both},
        ReplyBranch{103,  channelReplyRows(),  Clearing::Both},
        ReplyBranch{106,  rs485ReplyRows(),    Clearing::Both},
        ReplyBranch{1501, &commandSlotReply,   Clearing::Nothing},
        ReplyBranch{1502, slotByteReplyRows(), Clearing::Nothing},
        ReplyBranch{999,  &liveDataReply,      Clearing::Both},
        ReplyBranch{5000, &historyReply,       Clearing::ReplyTextOnly, Reads::EachPiece},
    };
    // clang-format on
    return branches;
}

namespace {

const ReplyBranch *branchFor(qint32 code)
{
    for (const ReplyBranch &branch : replyBranches())
        if (branch.code == code)
            return &branch;
    return nullptr;
}

struct RunBody
{
    const WorkingText &text;
    Form &form;
    void operator()(std::span<const ReplyRow> rows) const { applyRows(rows, text, form); }
    void operator()(BranchSteps steps) const { steps(text, form); }
};

} // namespace

void parseReply(Form &form, ExchangeState &exchange)
{
    const QList<QByteArray> pieces = std::exchange(exchange.PiecesSinceParse, {});
    const ReplyBranch *branch = branchFor(exchange.ExpectedReplyCode);
    if (!branch)
        return;
    if (branch->reads == Reads::EachPiece && !pieces.isEmpty()) {
        for (const QByteArray &piece : pieces)
            std::visit(RunBody{WorkingText(piece), form}, branch->body);
    } else {
        std::visit(RunBody{WorkingText(exchange.ReplyText), form}, branch->body);
    }
    if (branch->clearing != Clearing::Nothing)
        exchange.ReplyText.clear();
    if (branch->clearing == Clearing::Both)
        exchange.ExpectedReplyCode = 0;
}

bool isAcknowledgement(const QByteArray &answer)
{
    const QByteArray end = answer.trimmed();
    return end.endsWith("OK") || end.endsWith("ERROR");
}
