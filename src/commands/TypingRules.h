#pragma once

#include <QString>

#include <span>

// What the window lets a user type into a field: which characters, and how many
// GBK bytes the field may hold. A program that writes settings from a file holds
// the file's values to the same rules, so it never sends what the window could not.
enum class TypedCharacters { Digits, SignedDecimal, UpperHex, Any };

struct TypingRule
{
    const char *field;
    TypedCharacters characters;
    int mostBytes; // -1: no limit
};

// The rule of a field; none for a field that takes anything.
const TypingRule *typingRuleOf(const QString &field);

// Every field with a rule, in the window's order.
std::span<const TypingRule> typingRules();

// Whether the character may be typed under the rule.
bool typeable(TypedCharacters characters, char16_t c);

// In words, for messages: "digits 0-9", "digits, '.' and '-'", ...
QString describe(TypedCharacters characters);
