#include "commands/SystemCommands.h"

#include "commands/ValueRules.h"

#include <array>

std::span<const CommandRow> systemCommands()
{
    // The clock is the five selectors' texts as shown, then "00" for the seconds.
    // clang-format off
    static const std::array<CommandRow, 6> rows{{
        {"Button4",  "CFGSET#ST:", Prefix::InIpMode, Route::ByLinkMode, NoCode, zeroFilled("Edit7", 5)},
        {"Button5",  "CFGSET#TM:", Prefix::InIpMode, Route::ByLinkMode, NoCode,
                     displayedTexts({"ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6", "ComboBox7"}, "00")},
        {"Button3",  "CFGSET#SD:", Prefix::InIpMode, Route::ByLinkMode, NoCode, twoDigitIndex("ComboBox8")},
        {"Button2",  "CFGSET#SA:", Prefix::InIpMode, Route::ByLinkMode, NoCode, plainIndex("ComboBox9")},
        {"Button50", "CFGSET#DY:", Prefix::InIpMode, Route::ByLinkMode, NoCode, clampedDelay("Edit2")},
        {"Button15", "CFGMOD:",    Prefix::Never,    Route::SerialOnly, 100,    plainIndex("MKXINGHAO")},
    }};
    // clang-format on
    return rows;
}
