#include "link/GatewayReceive.h"

#include "commands/ExchangeState.h"
#include "commands/Form.h"
#include "commands/LinkMode.h"
#include "link/ReceiveBuffer.h"
#include "replies/CommunicationTestReply.h"

void gatewayDataReadable(Form &form, ExchangeState &exchange, const std::function<QByteArray()> &readPending,
                         const std::function<void()> &startParseTimer)
{
    if (!isGatewayItemSelected(form))
        return;
    exchange.ReplyText = readPending();
    form.setText(QStringLiteral("Memo8"), receiveBufferText(exchange.ReplyText));
    switch (exchange.ExpectedReplyCode) {
    case 1001:
        break;
    case 1003:
        // Over the gateway the answer sets the model only, never the link mode.
        if (isCommunicationTestReply(exchange.ReplyText))
            applyCommunicationTestReply(form, exchange.ReplyText, false);
        break;
    default:
        exchange.PiecesSinceParse.append(exchange.ReplyText);
        startParseTimer();
        break;
    }
}
