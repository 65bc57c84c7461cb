#include "commands/GprsCommands.h"

#include "commands/ValueRules.h"

#include <array>

std::span<const CommandRow> gprsCommands()
{
    // The access point name travels under "DNS", the centre's DNS name under "IY1".
    // clang-format off
    static const std::array<CommandRow, 11> rows{{
        {"Button38",  "CFGSET#NEX:", Prefix::Never,    Route::SerialOnly, NoCode, plainIndex("NETCS")},
        {"Button27",  "CFGSET#DNS:", Prefix::Never,    Route::SerialOnly, NoCode, terminatedText("APNname")},
        {"Button147", "CFGSET#INA:", Prefix::Never,    Route::SerialOnly, NoCode, terminatedText("DNSuser")},
        {"Button146", "CFGSET#IWD:", Prefix::Never,    Route::SerialOnly, NoCode, terminatedText("DNSpass")},
        {"Button26",  "CFGSET#IY1:", Prefix::Never,    Route::SerialOnly, NoCode, terminatedText("Edit22")},
        {"Button25",  "CFGSET#IP1:", Prefix::Never,    Route::SerialOnly, NoCode,
                      dottedAddress({"IP1_1", "IP1_2", "IP1_3", "IP1_4"})},
        {"Button28",  "CFGSET#IH1:", Prefix::Never,    Route::SerialOnly, NoCode, zeroFilled("Edit18", 5)},
        {"Button29",  "CFGSET#IT1:", Prefix::InIpMode, Route::SerialOnly, NoCode, zeroFilled("Edit19", 4)},
        {"Button30",  "CFGSET#IR1:", Prefix::InIpMode, Route::SerialOnly, NoCode, zeroFilled("Edit20", 4)},
        {"Button31",  "CFGSET#IU1:", Prefix::Never,    Route::SerialOnly, NoCode, plainIndex("ComboBox11")},
        {"Button6",   "CFGSET#IC1:", Prefix::Never,    Route::SerialOnly, NoCode, plainIndex("ComboBox14")},
    }};
    // clang-format on
    return rows;
}
