#include "link/SerialReceive.h"

#include "commands/ExchangeState.h"
#include "commands/Form.h"
#include "link/ReceiveBuffer.h"
#include "replies/CommunicationTestReply.h"

void serialPieceReceived(Form &form, ExchangeState &exchange, const QByteArray &piece,
                         const std::function<void()> &startParseTimer)
{
    const QString receiveBuffer = QStringLiteral("Memo8");
    switch (exchange.ExpectedReplyCode) {
    case 100:
        form.setText(receiveBuffer, receiveBufferText(piece));
        exchange.ReplyText = piece;
        break;
    case 1003:
        if (isCommunicationTestReply(piece))
            applyCommunicationTestReply(form, piece, true);
        form.setText(receiveBuffer, receiveBufferText(piece));
        break;
    case 1001:
        form.setText(receiveBuffer, receiveBufferText(piece));
        break;
    default:
        form.setText(receiveBuffer, receiveBufferText(piece));
        exchange.ReplyText = piece;
        exchange.PiecesSinceParse.append(piece);
        startParseTimer();
        break;
    }
}
