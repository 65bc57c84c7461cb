#include "commands/Rs485Commands.h"

#include "commands/SlotValueRules.h"
#include "commands/ValueRules.h"

#include <array>

std::span<const CommandRow> rs485Commands()
{
    // The port framing goes out as baud, parity, stop bits, though the page shows stop bits above parity.
    // clang-format off
    static const std::array<CommandRow, 10> rows{{
        {"Button78",  "CFGSET#MR485X:", Prefix::InIpMode, Route::ByLinkMode, NoCode, twoDigitIndex("RS485AXIEY")},
        {"Button11",  "CFGSET#RS485A:", Prefix::InIpMode, Route::ByLinkMode, NoCode, indexList({"MR485BT", "MR485JN", "RS485STOP"})},
        {"Button83",  "CFGSET#RTSATM:", Prefix::InIpMode, Route::ByLinkMode, NoCode, zeroFilled("RS485DTM", 3)},
        {"Button170", "CFGSET#ZDAD01:", Prefix::InIpMode, Route::ByLinkMode, NoCode, channelDefinition("MAD1")},
        {"Button171", "CFGSET#ZDAD02:", Prefix::InIpMode, Route::ByLinkMode, NoCode, channelDefinition("MAD2")},
        {"Button172", "CFGSET#ZDAD03:", Prefix::InIpMode, Route::ByLinkMode, NoCode, channelDefinition("MAD3")},
        {"Button12",  "CFGSET#ZDAD04:", Prefix::InIpMode, Route::ByLinkMode, NoCode, channelDefinition("MAD4")},
        {"Button174", "CFGSET#ZDPU01:", Prefix::InIpMode, Route::ByLinkMode, NoCode, channelDefinition("MPD1")},
        {"Button175", "CFGSET#ZDPU02:", Prefix::InIpMode, Route::ByLinkMode, NoCode, channelDefinition("MPD2")},
        {"Button16",  "CFGSET#ZDPU03:", Prefix::InIpMode, Route::ByLinkMode, NoCode, channelDefinition("MPD3")},
    }};
    // clang-format on
    return rows;
}
