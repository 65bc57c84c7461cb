#include "replies/ChannelReply.h"

namespace {

// Both pulse equivalents hang off "PDL01:": the second stands 18 places after its "P".
// Selecting DIN1/DIN2 here runs no change handler, so the pulse base buttons keep their state.
// clang-format off
constexpr ReplyRow rows[] = {
    // tag       k   n  rule         target
    {"AD1:",     4,  2, Rule::Index, "AD01TNG"},
    {"AD2:",     4,  2, Rule::Index, "AD02TNG"},
    {"AD3:",     4,  2, Rule::Index, "AD03TNG"},
    {"AD4:",     4,  2, Rule::Index, "AD04TNG"},
    {"AD5:",     4,  2, Rule::Index, "AD05TNG"},
    {"AD6:",     4,  2, Rule::Index, "AD06TNG"},
    {"AIN1:",    5,  5, Rule::Text,  "AD1H"},
    {"AIN1:",    11, 5, Rule::Text,  "AD1L"},
    {"AIN1:",    17, 5, Rule::Text,  "AD1LD"},
    {"AIN2:",    5,  5, Rule::Text,  "AD2H"},
    {"AIN2:",    11, 5, Rule::Text,  "AD2L"},
    {"AIN2:",    17, 5, Rule::Text,  "AD2LD"},
    {"AIN3:",    5,  5, Rule::Text,  "AD3H"},
    {"AIN3:",    11, 5, Rule::Text,  "AD3L"},
    {"AIN3:",    17, 5, Rule::Text,  "AD3LD"},
    {"AIN4:",    5,  5, Rule::Text,  "AD4H"},
    {"AIN4:",    11, 5, Rule::Text,  "AD4L"},
    {"AIN4:",    17, 5, Rule::Text,  "AD4LD"},
    {"DI1:",     4,  1, Rule::Index, "DIN1"},
    {"DI2:",     4,  1, Rule::Index, "DIN2"},
    {"PDL01:",   6,  5, Rule::Text,  "DLA1"},
    {"PDL01:",   18, 5, Rule::Text,  "DLA2"},
    {"INP1",     5,  2, Rule::Index, "INP1"},
    {"INP2",     5,  2, Rule::Index, "INP2"},
    {"INP3",     5,  2, Rule::Index, "INP3"},
};
// clang-format on

} // namespace

std::span<const ReplyRow> channelReplyRows()
{
    return rows;
}
