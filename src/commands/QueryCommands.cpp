#include "commands/QueryCommands.h"

#include "commands/ValueRules.h"

#include <array>

std::span<const CommandRow> queryCommands()
{
    // The history query is head + the six selectors' texts as shown + "#".
    // clang-format off
    static const std::array<CommandRow, 15> rows{{
        {"Button32",  "PPPPPP#CHEACK1#", Prefix::InIpMode, Route::ByLinkMode, 101,  {}},
        {"Button1",   "PPPPPP#CHEACK2#", Prefix::Never,    Route::SerialOnly, 102,  {}},
        {"Button128", "PPPPPP#CHEACK3#", Prefix::InIpMode, Route::ByLinkMode, 103,  {}},
        {"Button84",  "PPPPPP#CHEACK6#", Prefix::InIpMode, Route::ByLinkMode, 106,  {}},
        {"Button76",  "PPPPPP#COMR01#",  Prefix::InIpMode, Route::ByLinkMode, 1501, {}},
        {"Button74",  "PPPPPP#COMP01#",  Prefix::InIpMode, Route::ByLinkMode, 1502, {}},
        {"Button81",  "PPPPPP#COMR02#",  Prefix::InIpMode, Route::ByLinkMode, 1501, {}},
        {"Button79",  "PPPPPP#COMP02#",  Prefix::InIpMode, Route::ByLinkMode, 1502, {}},
        {"Button44",  "PPPPPP#COMR03#",  Prefix::Never,    Route::SerialOnly, 1501, {}},
        {"Button41",  "PPPPPP#COMP03#",  Prefix::Never,    Route::SerialOnly, 1502, {}},
        {"Button54",  "PPPPPP#COMR04#",  Prefix::Never,    Route::SerialOnly, 1501, {}},
        {"Button49",  "PPPPPP#COMP04#",  Prefix::Never,    Route::SerialOnly, 1502, {}},
        {"Button124", "PPPPPP#STATUS#",  Prefix::InIpMode, Route::ByLinkMode, 999,  {}},
        {"Button21",  "PPPPPP#STATUL#",  Prefix::Never,    Route::ByLinkMode, 100,  {}},
        {"Button125", "PPPPPP#REDEEM",   Prefix::Never,    Route::ByLinkMode, 5000,
                      displayedTexts({"Hyear", "Hmonth", "Hday", "Hhour", "Hmin", "Hcont"})},
    }};
    // clang-format on
    return rows;
}
