#include "replies/WorkingText.h"

#include <cstring>

WorkingText::WorkingText(const QByteArray &reply)
{
    const qsizetype nul = reply.indexOf('\0');
    m_text = nul < 0 ? reply : reply.left(nul);
}

std::optional<qsizetype> WorkingText::find(const char *tag) const
{
    const auto tagLength = qsizetype(std::strlen(tag));
    if (tagLength == 0)
        return std::nullopt;
    const char *text = m_text.constData();
    const char first = tag[0];
    for (qsizetype p = 0; p + tagLength <= m_text.size(); ++p) {
        // Straight to the next place the tag's first character is.
        if (first != AnyCharacter) {
            const auto *next = static_cast<const char *>(
                std::memchr(text + p, first, size_t(m_text.size() - tagLength + 1 - p)));
            if (!next)
                return std::nullopt;
            p = next - text;
        }
        qsizetype j = 0;
        while (j < tagLength && (tag[j] == AnyCharacter || tag[j] == m_text[p + j]))
            ++j;
        if (j == tagLength)
            return p;
    }
    return std::nullopt;
}

QByteArray WorkingText::field(qsizetype tagAt, int offset, int length) const
{
    const qsizetype start = tagAt + offset;
    if (start >= m_text.size() || length <= 0)
        return {};
    return m_text.mid(start, length);
}

QByteArray WorkingText::toSeparator(qsizetype tagAt, int offset) const
{
    const qsizetype start = tagAt + offset;
    if (start >= m_text.size())
        return {};
    const qsizetype end = m_text.indexOf(';', start);
    return m_text.mid(start, end < 0 ? -1 : end - start);
}

std::optional<char> WorkingText::character(qsizetype tagAt, int offset) const
{
    const qsizetype at = tagAt + offset;
    if (at >= m_text.size())
        return std::nullopt;
    return m_text[at];
}
