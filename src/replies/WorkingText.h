#pragma once

#include <QByteArray>
#include <optional>

// The text one parse works on: the stored reply up to its first NUL. Every read
// stays inside it: a field whose positions run past the end yields only the
// characters that are there, possibly none.
class WorkingText
{
public:
    // A tag character that matches any character (the station tag "ST?:").
    static constexpr char AnyCharacter = '?';

    explicit WorkingText(const QByteArray &reply);

    const QByteArray &bytes() const { return m_text; }

    // Where the first occurrence of the whole tag starts (0-based), searched from
    // the start of the text every time; exact case; none when it does not fit.
    std::optional<qsizetype> find(const char *tag) const;

    // The `length` characters that stand `offset` places after `tagAt`.
    QByteArray field(qsizetype tagAt, int offset, int length) const;

    // The characters from `offset` places after `tagAt` up to, not including, the
    // next ";" or to the end of the text when there is none.
    QByteArray toSeparator(qsizetype tagAt, int offset) const;

    // The single character `offset` places after `tagAt`, none past the end.
    std::optional<char> character(qsizetype tagAt, int offset) const;

private:
    QByteArray m_text;
};
