#pragma once

#include <QByteArray>
#include <QList>

namespace sim {

// One command cut from the input stream, without its "ZZZZ" prefix.
struct ReceivedCommand
{
    QByteArray body;
    bool prefixed = false;
    bool complete = true; // false: a head whose command was cut off or ran too long
    bool operator==(const ReceivedCommand &) const = default;
};

// Cuts the byte stream of one link into commands. The tool sends them without terminator, so a command
// is recognised by its shape: an optional "ZZZZ", then "PPPPPP#" name "#", "CFGMOD:" digit "#" or
// "CFGSET#" key ":" value "#" (a free-text value ends in "!#"), or "CFGSET#" key "#". Bytes before a
// head are noise and dropped; a command may arrive in any number of reads; a head that is followed
// by another head before its end, or runs past the longest command, is reported as incomplete and
// reading resumes at the next head. At most longestCommand bytes are ever kept between reads.
class CommandSplitter
{
public:
    static constexpr qsizetype longestName = 32;
    static constexpr qsizetype longestKey = 12;
    static constexpr qsizetype longestValue = 1024;
    static constexpr qsizetype longestCommand = 4 + 7 + longestKey + 1 + longestValue + 2;

    QList<ReceivedCommand> feed(const QByteArray &bytes);
    qsizetype pending() const { return m_buffer.size(); }

private:
    enum class Outcome { Complete, Incomplete, Broken };
    struct Cut
    {
        Outcome outcome;
        qsizetype end; // one past the last byte of the command (Complete) or of the broken part
    };
    Cut cut(qsizetype headAt) const;

    QByteArray m_buffer;
};

} // namespace sim
