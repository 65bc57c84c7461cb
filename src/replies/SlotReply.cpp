#include "replies/SlotReply.h"

#include "commands/Form.h"
#include "commands/IntegerConversion.h"

#include <array>

namespace {

struct SlotTargets
{
    const char *tag;
    const char *enable;
    const char *command;
};

// The reply tag has one digit where the query has two ("COMR1:" answers "COMR01").
// clang-format off
constexpr std::array<SlotTargets, 4> commandSlots{{
    {"COMR1:", "COMAD1", "COMDDATA1"},
    {"COMR2:", "COMAD2", "COMDDATA2"},
    {"COMR3:", "COMAD3", "COMDDATA3"},
    {"COMR4:", "COMAD4", "COMDDATA4"},
}};

constexpr ReplyRow byteRows[] = {
    // tag       k   n  rule        target
    {"COMP01:",  7,  2, Rule::Text, "ACOMBY1"},
    {"COMP01:",  9,  2, Rule::Text, "ACOMBY2"},
    {"COMP01:",  11, 2, Rule::Text, "ACOMBY3"},
    {"COMP02:",  7,  2, Rule::Text, "BCOMBY1"},
    {"COMP02:",  9,  2, Rule::Text, "BCOMBY2"},
    {"COMP02:",  11, 2, Rule::Text, "BCOMBY3"},
    {"COMP03:",  7,  2, Rule::Text, "CCOMBY1"},
    {"COMP03:",  9,  2, Rule::Text, "CCOMBY2"},
    {"COMP03:",  11, 2, Rule::Text, "CCOMBY3"},
    {"COMP04:",  7,  2, Rule::Text, "DCOMBY1"},
    {"COMP04:",  9,  2, Rule::Text, "DCOMBY2"},
    {"COMP04:",  11, 2, Rule::Text, "DCOMBY3"},
};
// clang-format on

constexpr int EnableAt = 6;
constexpr int CountAt = 8;
constexpr int CommandAt = 11;

} // namespace

void commandSlotReply(const WorkingText &text, Form &form)
{
    for (const SlotTargets &slot : commandSlots) {
        const auto at = text.find(slot.tag);
        if (!at)
            continue;
        form.setIndex(QLatin1String(slot.enable), toInteger(text.field(*at, EnableAt, 1)));
        const qint32 count = toInteger(text.field(*at, CountAt, 2));
        // A count beyond the text yields the characters that are there.
        const QByteArray command = count > 0 ? text.field(*at, CommandAt, 2 * count) : QByteArray();
        form.setText(QLatin1String(slot.command), command);
    }
}

std::span<const ReplyRow> slotByteReplyRows()
{
    return byteRows;
}
