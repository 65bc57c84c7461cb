#include "commands/SlotCommands.h"

#include "commands/SlotValueRules.h"
#include "commands/ValueRules.h"

#include <array>

namespace {

// Slots 1 and 2 sit on the Chinese-labelled page, slots 3 and 4 and the calibration on the English one.
const char *const OddChinese = "输入数据不能为单数";
const char *const OddEnglish = "Input data must not be singular";

} // namespace

std::span<const CommandRow> slotCommands()
{
    // Everything on "Comm Settings 2" (slots 3, 4, calibration) goes bare to the serial port.
    // clang-format off
    static const std::array<CommandRow, 9> rows{{
        {"Button73", "CFGSET#COMW1:",  Prefix::InIpMode, Route::ByLinkMode, 106,  slotFrame(plainIndex("COMAD1"), "COMDDATA1", OddChinese)},
        {"Button7",  "CFGSET#COMW2:",  Prefix::InIpMode, Route::ByLinkMode, 106,  slotFrame(plainIndex("COMAD2"), "COMDDATA2", OddChinese)},
        {"Button39", "CFGSET#COMW3:",  Prefix::Never,    Route::SerialOnly, 106,  slotFrame(plainIndex("COMAD3"), "COMDDATA3", OddEnglish)},
        {"Button48", "CFGSET#COMW4:",  Prefix::Never,    Route::SerialOnly, 106,  slotFrame(plainIndex("COMAD4"), "COMDDATA4", OddEnglish)},
        {"Button75", "CFGSET#COMP01:", Prefix::InIpMode, Route::ByLinkMode, 1502, displayedTexts({"ACOMBY1", "ACOMBY2", "ACOMBY3"})},
        {"Button80", "CFGSET#COMP02:", Prefix::InIpMode, Route::ByLinkMode, 1502, displayedTexts({"BCOMBY1", "BCOMBY2", "BCOMBY3"})},
        {"Button43", "CFGSET#COMP03:", Prefix::Never,    Route::SerialOnly, 1502, displayedTexts({"CCOMBY1", "CCOMBY2", "CCOMBY3"})},
        {"Button51", "CFGSET#COMP04:", Prefix::Never,    Route::SerialOnly, 1502, displayedTexts({"DCOMBY1", "DCOMBY2", "DCOMBY3"})},
        {"Button45", "CFGSET#COMWZ:",  Prefix::Never,    Route::SerialOnly, 299,  slotFrame(fixedValue("0"),      "Edit3",     OddEnglish)},
    }};
    // clang-format on
    return rows;
}
