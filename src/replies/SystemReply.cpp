#include "replies/SystemReply.h"

int yearItem(int value)
{
    return value >= 12 ? value - 12 : value;
}

int fromOneItem(int value)
{
    return value > 0 ? value - 1 : value;
}

namespace {

// clang-format off
constexpr ReplyRow rows[] = {
    // tag    k   n  rule         target       mapping
    {"TQ1:",  4,  5, Rule::Text,  "Edit7"},
    {"TM:",   3,  2, Rule::Index, "ComboBox3", yearItem},
    {"TM:",   5,  2, Rule::Index, "ComboBox4", fromOneItem},
    {"TM:",   7,  2, Rule::Index, "ComboBox5", fromOneItem},
    {"TM:",   9,  2, Rule::Index, "ComboBox6"},
    {"TM:",   11, 2, Rule::Index, "ComboBox7"},
    {"SA",    3,  1, Rule::Index, "ComboBox9"},
    {"SA",    3,  1, Rule::Index, "NameSave"},
    {"SD:",   3,  2, Rule::Index, "ComboBox8"},
    {"DY:",   3,  2, Rule::Text,  "Edit2"},
    {"ER",    3,  1, Rule::Flag,  "CheckBox1"},
    {"ER",    4,  1, Rule::Flag,  "CheckBox2"},
    {"ER",    5,  1, Rule::Flag,  "CheckBox3"},
};
// clang-format on

} // namespace

std::span<const ReplyRow> systemReplyRows()
{
    return rows;
}
