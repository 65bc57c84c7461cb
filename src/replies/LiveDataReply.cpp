#include "replies/LiveDataReply.h"

#include "commands/Form.h"

namespace {

// The station tag's third character is not examined: "ST0:", "STA:" and "ST1:" all match.
// No field here is converted, so a live data reply never raises a conversion error.
// clang-format off
constexpr ReplyRow rows[] = {
    // tag     k  n  rule                   target
    {"ST?:",   4, 5, Rule::Text,            "Label80"},
    {"TM:",    3, 0, Rule::TextToSeparator, "Label81"},
    {"V:",     2, 4, Rule::Text,            "Label82"},
    {"A01:",   4, 5, Rule::Text,            "AD1XS"},
    {"A02:",   4, 5, Rule::Text,            "AD2XS"},
    {"A03:",   4, 5, Rule::Text,            "AD3XS"},
    {"A04:",   4, 5, Rule::Text,            "AD4XS"},
    {"A05:",   4, 5, Rule::Text,            "AD5XS"},
    {"A06:",   4, 5, Rule::Text,            "AD6XS"},
    {"P01:",   4, 9, Rule::Text,            "PU1XS"},
    {"P02:",   4, 9, Rule::Text,            "PU2XS"},
    {"P03:",   4, 9, Rule::Text,            "PU3XS"},
};
// clang-format on

// GBK bytes of "1_市电" (mains) and "0_电池" (battery).
const QByteArray Mains("1_\xca\xd0\xb5\xe7");
const QByteArray Battery("0_\xb5\xe7\xb3\xd8");

} // namespace

QByteArray powerSupplyCaption(std::optional<char> state)
{
    return state == '1' ? Mains : Battery;
}

QByteArray digitalInputCaption(std::optional<char> state)
{
    if (state == '3')
        return "3_Count";
    if (state == '1')
        return "1_CLOSE";
    return "0_Open";
}

void liveDataReply(const WorkingText &text, Form &form)
{
    applyRows(rows, text, form);
    if (const auto at = text.find("K01:")) {
        form.setText(QStringLiteral("IN1XS"), powerSupplyCaption(text.character(*at, 4)));
        form.setText(QStringLiteral("IN2XS"), digitalInputCaption(text.character(*at, 5)));
        form.setText(QStringLiteral("IN3XS"), digitalInputCaption(text.character(*at, 6)));
    }
}
