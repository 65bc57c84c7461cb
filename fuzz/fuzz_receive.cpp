// Both receive paths on one piece: what the receive buffer shows of it, the
// communication test's "TY:" answer, and the stored text. The first byte picks
// the expected reply code, the rest is the piece.
#include "ExactBuffer.h"
#include "FuzzForm.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "link/GatewayReceive.h"
#include "link/ReceiveBuffer.h"
#include "link/SerialReceive.h"
#include "replies/CommunicationTestReply.h"

#include <array>

namespace {

constexpr std::array<qint32, 5> Codes{0, 100, 1001, 1003, 101};

void checkShown(const QByteArray &piece, const QByteArray &shown)
{
    if (shown.contains('\0') || shown.contains('\r') || shown.size() > qMin(piece.size(), ReceiveBufferShown))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputReader input(data, size);
    const qint32 code = Codes[input.byte() % Codes.size()];
    ExactBuffers buffers;
    const auto [bytes, length] = input.rest();
    const QByteArray piece = buffers.hold(bytes, length);

    checkShown(piece, receiveBufferText(piece));
    if (isCommunicationTestReply(piece)) {
        FuzzForm form;
        try {
            applyCommunicationTestReply(form, piece, true);
        } catch (const ConversionError &) {
        }
    }

    for (const bool serial : {true, false}) {
        FuzzForm form;
        form.indices[QStringLiteral("ComboBox2")] = 1;
        ExchangeState exchange;
        exchange.ExpectedReplyCode = code;
        bool timerStarted = false;
        try {
            if (serial)
                serialPieceReceived(form, exchange, piece, [&] { timerStarted = true; });
            else
                gatewayDataReadable(
                    form, exchange, [&] { return piece; }, [&] { timerStarted = true; });
        } catch (const ConversionError &) {
            continue;
        }
        checkShown(piece, form.texts.value(QStringLiteral("Memo8")));
        const bool stores = !serial || (code != 1001 && code != 1003);
        if (stores && exchange.ReplyText != piece)
            __builtin_trap();
        if (exchange.ExpectedReplyCode != code)
            __builtin_trap();
        (void)timerStarted;
    }
    return 0;
}
