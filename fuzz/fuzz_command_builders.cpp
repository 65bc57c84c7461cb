// The command builders over arbitrary control texts and indices. The first two
// bytes pick a row of any family, the third the link-mode index; every text and
// index the row reads then comes from the rest of the input. A builder may refuse
// with a HandlerError; anything else escaping it is a fault.
#include "ExactBuffer.h"
#include "FuzzForm.h"
#include "commands/CommandTable.h"
#include "commands/HandlerError.h"

#include <vector>

namespace {

const std::vector<const CommandRow *> &allRows()
{
    static const std::vector<const CommandRow *> rows = [] {
        std::vector<const CommandRow *> all;
        for (const auto family : commandFamilies())
            for (const CommandRow &row : family)
                all.push_back(&row);
        return all;
    }();
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputReader input(data, size);
    const unsigned pick = unsigned(input.byte()) << 8 | input.byte();
    const CommandRow &row = *allRows()[pick % allRows().size()];
    const int linkMode = int8_t(input.byte());

    ExactBuffers buffers;
    FuzzForm form(&input, &buffers);
    form.indices[QStringLiteral("ComboBox2")] = linkMode;
    try {
        const Command command = buildCommand(row, form);
        const bool prefixed = row.prefix == Prefix::InIpMode && linkMode != 0;
        const QByteArray body = prefixed ? command.text.mid(4) : command.text;
        if (prefixed && !command.text.startsWith("ZZZZ"))
            __builtin_trap();
        if (command.route != row.route || command.replyCode != row.replyCode || !body.startsWith(row.head))
            __builtin_trap();
        if (row.value ? !body.endsWith('#') : body != row.head)
            __builtin_trap();
    } catch (const HandlerError &) {
    }
    return 0;
}
