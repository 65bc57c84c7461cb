// The reply parser under every expected reply code. The first byte picks the code
// from the list the queries store (or, past the list, takes the next four bytes
// as any code); the rest is the stored reply text.
#include "ExactBuffer.h"
#include "FuzzForm.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "replies/ReplyDispatch.h"

#include <array>

namespace {

constexpr std::array<qint32, 13> ExpectedCodes{0,   100,  101,  102,  103,  106, 299,
                                               999, 1001, 1003, 1501, 1502, 5000};

qint32 pickCode(InputReader &input)
{
    const uint8_t pick = input.byte();
    if (pick % (ExpectedCodes.size() + 1) < ExpectedCodes.size())
        return ExpectedCodes[pick % (ExpectedCodes.size() + 1)];
    quint32 code = 0;
    for (int i = 0; i < 4; ++i)
        code = code << 8 | input.byte();
    return qint32(code);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputReader input(data, size);
    ExchangeState exchange;
    exchange.ExpectedReplyCode = pickCode(input);
    const qint32 code = exchange.ExpectedReplyCode;
    ExactBuffers buffers;
    const auto [text, length] = input.rest();
    exchange.ReplyText = buffers.hold(text, length);
    const QByteArray reply(text, qsizetype(length));

    FuzzForm form;
    // Twice: the codes that stay in force parse the same text again.
    for (int round = 0; round < 2; ++round) {
        try {
            parseReply(form, exchange);
        } catch (const ConversionError &) {
            // A failed conversion leaves the exchange state as it was.
            if (exchange.ExpectedReplyCode != code || exchange.ReplyText != reply)
                __builtin_trap();
            return 0;
        }
        if (exchange.ExpectedReplyCode != code && exchange.ExpectedReplyCode != 0)
            __builtin_trap();
        if (!exchange.ReplyText.isEmpty() && exchange.ReplyText != reply)
            __builtin_trap();
    }
    return 0;
}
