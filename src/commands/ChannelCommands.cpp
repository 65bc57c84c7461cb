#include "commands/ChannelCommands.h"

#include "commands/SlotValueRules.h"
#include "commands/ValueRules.h"

#include <array>

std::span<const CommandRow> channelCommands()
{
    // The digital-input rows follow the link mode but never carry the gateway prefix.
    // clang-format off
    static const std::array<CommandRow, 19> rows{{
        {"Button33", "CFGSET#AD1:",   Prefix::InIpMode, Route::ByLinkMode, NoCode, plainIndex("AD01TNG")},
        {"Button34", "CFGSET#AD2:",   Prefix::InIpMode, Route::ByLinkMode, NoCode, plainIndex("AD02TNG")},
        {"Button35", "CFGSET#AD3:",   Prefix::InIpMode, Route::ByLinkMode, NoCode, plainIndex("AD03TNG")},
        {"Button18", "CFGSET#AD4:",   Prefix::InIpMode, Route::ByLinkMode, NoCode, plainIndex("AD04TNG")},
        {"Button20", "CFGSET#AD5:",   Prefix::InIpMode, Route::ByLinkMode, NoCode, plainIndex("AD05TNG")},
        {"Button8",  "CFGSET#AD6:",   Prefix::InIpMode, Route::ByLinkMode, NoCode, plainIndex("AD06TNG")},
        {"Button40", "CFGSET#AIN1:",  Prefix::InIpMode, Route::ByLinkMode, NoCode, commaList({"AD1H", "AD1L", "AD1LD"})},
        {"Button42", "CFGSET#AIN2:",  Prefix::InIpMode, Route::ByLinkMode, NoCode, commaList({"AD2H", "AD2L", "AD2LD"})},
        {"Button24", "CFGSET#AIN3:",  Prefix::InIpMode, Route::ByLinkMode, NoCode, commaList({"AD3H", "AD3L", "AD3LD"})},
        {"Button36", "CFGSET#AIN4:",  Prefix::InIpMode, Route::ByLinkMode, NoCode, commaList({"AD4H", "AD4L", "AD4LD"})},
        {"Button46", "CFGSET#DI1:",   Prefix::Never,    Route::ByLinkMode, NoCode, plainIndex("DIN1")},
        {"Button47", "CFGSET#DI2:",   Prefix::Never,    Route::ByLinkMode, NoCode, plainIndex("DIN2")},
        {"Button22", "CFGSET#INP1:",  Prefix::InIpMode, Route::ByLinkMode, NoCode, twoDigitIndex("INP1")},
        {"Button23", "CFGSET#INP2:",  Prefix::InIpMode, Route::ByLinkMode, NoCode, twoDigitIndex("INP2")},
        {"Button17", "CFGSET#INP3:",  Prefix::InIpMode, Route::ByLinkMode, NoCode, twoDigitIndex("INP3")},
        {"Button52", "CFGSET#LP1:",   Prefix::InIpMode, Route::ByLinkMode, NoCode, zeroFilled("PUSET1", 8)},
        {"Button53", "CFGSET#LP2:",   Prefix::InIpMode, Route::ByLinkMode, NoCode, zeroFilled("PUSET2", 8)},
        {"Button95", "CFGSET#PDL01:", Prefix::InIpMode, Route::ByLinkMode, NoCode, zeroFilled("DLA1", 5)},
        {"Button96", "CFGSET#PDL02:", Prefix::InIpMode, Route::ByLinkMode, NoCode, zeroFilled("DLA2", 5)},
    }};
    // clang-format on
    return rows;
}
