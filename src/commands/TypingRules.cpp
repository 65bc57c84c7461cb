#include "commands/TypingRules.h"

#include <array>

namespace {

using enum TypedCharacters;

// clang-format off
const std::array<TypingRule, 43> rules{{
    {"Edit7",     Digits,        5},
    {"Edit2",     Digits,        2},
    {"APNname",   Any,           33},
    {"DNSuser",   Any,           33},
    {"DNSpass",   Any,           11},
    {"Edit22",    Any,           30},
    {"IP1_1",     Digits,        3},
    {"IP1_2",     Digits,        3},
    {"IP1_3",     Digits,        3},
    {"IP1_4",     Digits,        3},
    {"Edit18",    Digits,        5},
    {"Edit19",    Digits,        4},
    {"Edit20",    Digits,        4},
    {"AD1H",      SignedDecimal, 5},
    {"AD1L",      SignedDecimal, 5},
    {"AD1LD",     SignedDecimal, 5},
    {"AD2H",      SignedDecimal, 5},
    {"AD2L",      SignedDecimal, 5},
    {"AD2LD",     SignedDecimal, 5},
    {"AD3H",      SignedDecimal, 5},
    {"AD3L",      SignedDecimal, 5},
    {"AD3LD",     SignedDecimal, 5},
    {"AD4H",      SignedDecimal, 5},
    {"AD4L",      SignedDecimal, 5},
    {"AD4LD",     SignedDecimal, 5},
    {"PUSET1",    Digits,        8},
    {"PUSET2",    Digits,        8},
    {"COMDDATA1", UpperHex,      -1},
    {"COMDDATA2", UpperHex,      -1},
    {"ACOMBY1",   UpperHex,      2},
    {"ACOMBY2",   UpperHex,      2},
    {"ACOMBY3",   UpperHex,      2},
    {"BCOMBY1",   UpperHex,      2},
    {"BCOMBY2",   UpperHex,      2},
    {"BCOMBY3",   UpperHex,      2},
    {"MAD1MADR",  SignedDecimal, 3},
    {"MAD2MADR",  SignedDecimal, 3},
    {"MAD3MADR",  SignedDecimal, 3},
    {"MAD4MADR",  SignedDecimal, 3},
    {"MPD1MADR",  SignedDecimal, 3},
    {"MPD2MADR",  SignedDecimal, 3},
    {"RS485DTM",  SignedDecimal, 3},
    {"Edit3",     UpperHex,      -1},
}};
// clang-format on

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

const TypingRule *typingRuleOf(const QString &field)
{
    for (const TypingRule &rule : rules)
        if (field == QLatin1String(rule.field))
            return &rule;
    return nullptr;
}

std::span<const TypingRule> typingRules()
{
    return rules;
}

bool typeable(TypedCharacters characters, char16_t c)
{
    switch (characters) {
    case Digits:
        return isDigit(c);
    case SignedDecimal:
        return isDigit(c) || c == u'.' || c == u'-';
    case UpperHex:
        return isDigit(c) || (c >= u'A' && c <= u'F');
    case Any:
        return true;
    }
    return false;
}

QString describe(TypedCharacters characters)
{
    switch (characters) {
    case Digits:
        return QStringLiteral("digits 0-9");
    case SignedDecimal:
        return QStringLiteral("digits 0-9, '.' and '-'");
    case UpperHex:
        return QStringLiteral("digits 0-9 and capitals A-F");
    case Any:
        break;
    }
    return QStringLiteral("any characters");
}
