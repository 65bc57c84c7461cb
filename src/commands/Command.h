#pragma once

#include <QByteArray>
#include <functional>
#include <optional>

class Form;

// Whether the gateway prefix "ZZZZ" goes in front of the body.
enum class Prefix { Never, InIpMode };

// Which transport the text is handed to.
enum class Route { ByLinkMode, SerialOnly };

// A code stored in the exchange state when the command is sent.
using ReplyCode = std::optional<qint32>;
inline constexpr ReplyCode NoCode = std::nullopt;

// Formats the value of a set command from the controls it reads. May raise
// ConversionError, before anything is shown or sent.
using ValueRule = std::function<QByteArray(const Form &)>;

// A command ready for the send step.
struct Command
{
    QByteArray text;
    Route route;
    ReplyCode replyCode;
};

// One row per button: head, prefix, route, stored code and value rule. Without
// a value rule the head is the whole body; with one the body is head + value + "#".
struct CommandRow
{
    const char *button;
    QByteArray head;
    Prefix prefix;
    Route route;
    ReplyCode replyCode;
    ValueRule value;
};

Command buildCommand(const CommandRow &row, const Form &form);
