#include "CommandSplitter.h"

#include "SetCommands.h"

#include <array>

namespace sim {

namespace {

constexpr std::array<const char *, 3> heads{"PPPPPP#", "CFGSET#", "CFGMOD:"};
constexpr qsizetype headLength = 7;
constexpr char prefix[] = "ZZZZ";
constexpr qsizetype prefixLength = 4;

qsizetype nextHead(const QByteArray &buffer, qsizetype from)
{
    qsizetype first = -1;
    for (const char *head : heads) {
        const qsizetype at = buffer.indexOf(head, from);
        if (at >= 0 && (first < 0 || at < first))
            first = at;
    }
    return first;
}

} // namespace

// Where the command whose head stands at headAt ends, if its end is in the buffer yet.
CommandSplitter::Cut CommandSplitter::cut(qsizetype headAt) const
{
    const qsizetype bodyAt = headAt + headLength;
    const QByteArray head = m_buffer.mid(headAt, headLength);
    qsizetype end = -1;
    qsizetype limit = bodyAt + longestName + 1;
    if (head == "CFGSET#") {
        const qsizetype hash = m_buffer.indexOf('#', bodyAt);
        const qsizetype colon = m_buffer.indexOf(':', bodyAt);
        const qsizetype keyEnd = (colon >= 0 && (hash < 0 || colon < hash)) ? colon : hash;
        limit = bodyAt + longestKey + 1;
        if (keyEnd >= 0 && keyEnd < limit) {
            if (keyEnd == hash) {
                end = hash + 1;
            } else {
                const bool freeText = isTerminatedTextKey(m_buffer.mid(bodyAt, keyEnd - bodyAt));
                const qsizetype close = m_buffer.indexOf(freeText ? "!#" : "#", keyEnd + 1);
                limit = keyEnd + 1 + longestValue + 2;
                if (close >= 0)
                    end = close + (freeText ? 2 : 1);
            }
        }
    } else {
        const qsizetype hash = m_buffer.indexOf('#', bodyAt);
        if (hash >= 0)
            end = hash + 1;
    }
    const qsizetype following = nextHead(m_buffer, bodyAt);
    if (following >= 0 && (end < 0 || following < end)) {
        const bool followingPrefixed = following - prefixLength >= bodyAt &&
                                       m_buffer.mid(following - prefixLength, prefixLength) == prefix;
        return {Outcome::Broken, followingPrefixed ? following - prefixLength : following};
    }
    if (end >= 0 && end <= limit)
        return {Outcome::Complete, end};
    if (end > limit || m_buffer.size() >= limit)
        return {Outcome::Broken, qMin(limit, m_buffer.size())};
    return {Outcome::Incomplete, -1};
}

QList<ReceivedCommand> CommandSplitter::feed(const QByteArray &bytes)
{
    m_buffer += bytes;
    QList<ReceivedCommand> commands;
    for (;;) {
        const qsizetype headAt = nextHead(m_buffer, 0);
        if (headAt < 0) {
            // Keep only what may still grow into a prefix and a head.
            m_buffer = m_buffer.right(prefixLength + headLength - 1);
            break;
        }
        const bool prefixed =
            headAt >= prefixLength && m_buffer.mid(headAt - prefixLength, prefixLength) == prefix;
        const qsizetype startAt = prefixed ? headAt - prefixLength : headAt;
        m_buffer.remove(0, startAt);
        const qsizetype at = headAt - startAt;
        const Cut c = cut(at);
        if (c.outcome == Outcome::Incomplete)
            break;
        commands.append({m_buffer.mid(at, c.end - at), prefixed, c.outcome == Outcome::Complete});
        m_buffer.remove(0, c.end);
    }
    return commands;
}

} // namespace sim
