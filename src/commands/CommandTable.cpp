#include "commands/CommandTable.h"

#include "commands/ChannelCommands.h"
#include "commands/GprsCommands.h"
#include "commands/LinkMode.h"
#include "commands/QueryCommands.h"
#include "commands/Rs485Commands.h"
#include "commands/SlotCommands.h"
#include "commands/SystemCommands.h"

#include <QString>

#include <array>

Command buildCommand(const CommandRow &row, const Form &form)
{
    QByteArray body = row.head;
    if (row.value)
        body += row.value(form) + '#';
    const bool prefixed = row.prefix == Prefix::InIpMode && isIpMode(form);
    return {prefixed ? "ZZZZ" + body : body, row.route, row.replyCode};
}

std::span<const CommandRow> linkCommands()
{
    // clang-format off
    static const std::array<CommandRow, 2> rows{{
        {"Button14", "PPPPPP#VAR#",   Prefix::InIpMode, Route::ByLinkMode, 1003, {}},
        {"Button19", "CFGSET#RESET#", Prefix::InIpMode, Route::ByLinkMode, 1001, {}},
    }};
    // clang-format on
    return rows;
}

std::span<const std::span<const CommandRow>> commandFamilies()
{
    static const auto families = std::to_array<std::span<const CommandRow>>({
        linkCommands(),
        queryCommands(),
        systemCommands(),
        gprsCommands(),
        channelCommands(),
        rs485Commands(),
        slotCommands(),
    });
    return families;
}

const CommandRow *findCommand(QAnyStringView button)
{
    for (const auto family : commandFamilies())
        for (const CommandRow &row : family)
            if (QAnyStringView::compare(button, QLatin1String(row.button)) == 0)
                return &row;
    return nullptr;
}
