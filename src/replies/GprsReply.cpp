#include "replies/GprsReply.h"

#include "replies/ApnRule.h"

namespace {

// "IA:" and "IA1" are different tags; the 2- and 3-character tags do not
// examine the character after them.
// clang-format off
constexpr ReplyRow rows[] = {
    // tag    k   n  rule                   target        mapping  then
    {"IA:",   3,  1, Rule::Index,           "DNSIP"},
    {"NEX:",  4,  1, Rule::Index,           "NETCS",      nullptr, applyApnRule},
    {"APN",   4,  0, Rule::TextToSeparator, "APNname"},
    {"IUR",   4,  0, Rule::TextToSeparator, "DNSuser"},
    {"IWD",   4,  0, Rule::TextToSeparator, "DNSpass"},
    {"IA1",   4,  1, Rule::Index,           "ComboBox22"},
    {"IP1:",  4,  3, Rule::Text,            "IP1_1"},
    {"IP1:",  8,  3, Rule::Text,            "IP1_2"},
    {"IP1:",  12, 3, Rule::Text,            "IP1_3"},
    {"IP1:",  16, 3, Rule::Text,            "IP1_4"},
    {"IY1:",  4,  0, Rule::TextToSeparator, "Edit22"},
    {"IH1:",  4,  5, Rule::Text,            "Edit18"},
    {"IT1:",  4,  4, Rule::Text,            "Edit19"},
    {"IR1:",  4,  4, Rule::Text,            "Edit20"},
    {"IU1:",  4,  1, Rule::Index,           "ComboBox11"},
    {"IC1:",  4,  1, Rule::Index,           "ComboBox14"},
    {"XH",    3,  2, Rule::Text,            "Label101"},
    {"ER",    3,  1, Rule::Flag,            "CheckBox1"},
    {"ER",    4,  1, Rule::Flag,            "CheckBox2"},
    {"ER",    5,  1, Rule::Flag,            "CheckBox3"},
    {"ER",    6,  1, Rule::Flag,            "CheckBox4"},
    {"ER",    7,  1, Rule::Flag,            "CheckBox5"},
    {"OIP",   4,  0, Rule::TextToSeparator, "Label3"},
};
// clang-format on

} // namespace

std::span<const ReplyRow> gprsReplyRows()
{
    return rows;
}
