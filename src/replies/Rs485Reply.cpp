#include "replies/Rs485Reply.h"

namespace {

// The pulse channel rows come back as "ZDPD0n:" though they are written as "ZDPU0n:".
// clang-format off
constexpr ReplyRow rows[] = {
    // tag        k   n  rule         target
    {"MR485A:",   7,  1, Rule::Index, "MR485BT"},
    {"MR485A:",   9,  1, Rule::Index, "MR485JN"},
    {"MR485A:",   11, 1, Rule::Index, "RS485STOP"},
    {"RSTATM:",   7,  3, Rule::Text,  "RS485DTM"},
    {"READAX:",   7,  2, Rule::Index, "RS485AXIEY"},
    {"ZDAD01:",   7,  1, Rule::Index, "MAD1USE"},
    {"ZDAD01:",   9,  3, Rule::Text,  "MAD1MADR"},
    {"ZDAD01:",   13, 1, Rule::Text,  "MAD1DADR"},
    {"ZDAD01:",   15, 2, Rule::Index, "MAD1XIN"},
    {"ZDAD01:",   18, 5, Rule::Text,  "MAD1XS"},
    {"ZDAD02:",   7,  1, Rule::Index, "MAD2USE"},
    {"ZDAD02:",   9,  3, Rule::Text,  "MAD2MADR"},
    {"ZDAD02:",   13, 1, Rule::Text,  "MAD2DADR"},
    {"ZDAD02:",   15, 2, Rule::Index, "MAD2XIN"},
    {"ZDAD02:",   18, 5, Rule::Text,  "MAD2XS"},
    {"ZDAD03:",   7,  1, Rule::Index, "MAD3USE"},
    {"ZDAD03:",   9,  3, Rule::Text,  "MAD3MADR"},
    {"ZDAD03:",   13, 1, Rule::Text,  "MAD3DADR"},
    {"ZDAD03:",   15, 2, Rule::Index, "MAD3XIN"},
    {"ZDAD03:",   18, 5, Rule::Text,  "MAD3XS"},
    {"ZDAD04:",   7,  1, Rule::Index, "MAD4USE"},
    {"ZDAD04:",   9,  3, Rule::Text,  "MAD4MADR"},
    {"ZDAD04:",   13, 1, Rule::Text,  "MAD4DADR"},
    {"ZDAD04:",   15, 2, Rule::Index, "MAD4XIN"},
    {"ZDAD04:",   18, 5, Rule::Text,  "MAD4XS"},
    {"ZDPD01:",   7,  1, Rule::Index, "MPD1USE"},
    {"ZDPD01:",   9,  3, Rule::Text,  "MPD1MADR"},
    {"ZDPD01:",   13, 1, Rule::Text,  "MPD1DADR"},
    {"ZDPD01:",   15, 2, Rule::Index, "MPD1XIN"},
    {"ZDPD01:",   18, 5, Rule::Text,  "MPD1XS"},
    {"ZDPD02:",   7,  1, Rule::Index, "MPD2USE"},
    {"ZDPD02:",   9,  3, Rule::Text,  "MPD2MADR"},
    {"ZDPD02:",   13, 1, Rule::Text,  "MPD2DADR"},
    {"ZDPD02:",   15, 2, Rule::Index, "MPD2XIN"},
    {"ZDPD02:",   18, 5, Rule::Text,  "MPD2XS"},
    {"ZDPD03:",   7,  1, Rule::Index, "MPD3USE"},
    {"ZDPD03:",   9,  3, Rule::Text,  "MPD3MADR"},
    {"ZDPD03:",   13, 1, Rule::Text,  "MPD3DADR"},
    {"ZDPD03:",   15, 2, Rule::Index, "MPD3XIN"},
    {"ZDPD03:",   18, 5, Rule::Text,  "MPD3XS"},
};
// clang-format on

} // namespace

std::span<const ReplyRow> rs485ReplyRows()
{
    return rows;
}
