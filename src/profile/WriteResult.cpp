#include "profile/WriteResult.h"

#include "profile/ProfileKeys.h"

#include <QJsonArray>

namespace {

constexpr Outcome everyOutcome[] = {Outcome::Changed,     Outcome::AlreadyRight, Outcome::Failed,
                                    Outcome::NotReadBack, Outcome::NotWritten,   Outcome::Uncertain};

QString jsonName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Changed:
        return QStringLiteral("changed");
    case Outcome::AlreadyRight:
        return QStringLiteral("already_right");
    case Outcome::Failed:
        return QStringLiteral("failed");
    case Outcome::NotReadBack:
        return QStringLiteral("written");
    case Outcome::NotWritten:
        return QStringLiteral("not_written");
    case Outcome::Uncertain:
        return QStringLiteral("uncertain");
    }
    return {};
}

QString listed(const QStringList &names)
{
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

} // namespace

QStringList WriteResult::names(Outcome outcome) const
{
    QStringList found;
    for (const auto &[key, was] : outcomes)
        if (was == outcome)
            found << fullName(*key);
    return found;
}

QString outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Changed:
        return QStringLiteral("changed");
    case Outcome::AlreadyRight:
        return QStringLiteral("already right");
    case Outcome::Failed:
        return QStringLiteral("failed");
    case Outcome::NotReadBack:
        return QStringLiteral("written but not read back");
    case Outcome::NotWritten:
        return QStringLiteral("not written");
    case Outcome::Uncertain:
        return QStringLiteral("uncertain");
    }
    return {};
}

QString countsLine(const WriteResult &result)
{
    QStringList parts;
    for (const Outcome outcome : everyOutcome) {
        const int n = result.count(outcome);
        // The first three are always said; the others when they occurred.
        if (n > 0 || outcome == Outcome::Changed || outcome == Outcome::AlreadyRight ||
            outcome == Outcome::Failed)
            parts << QStringLiteral("%1 %2").arg(n).arg(outcomeName(outcome));
    }
    return parts.join(QStringLiteral(", "));
}

QString summaryText(const WriteResult &result)
{
    QString text;
    if (result.ending != Ending::Completed)
        text += QStringLiteral("The write ended early: %1.\n\n").arg(result.why);
    text += countsLine(result) + u'.';
    text += QStringLiteral("\n\nChanged: %1\nFailed: %2")
                .arg(listed(result.names(Outcome::Changed)), listed(result.names(Outcome::Failed)));
    if (const QStringList names = result.names(Outcome::NotWritten); !names.isEmpty())
        text += QStringLiteral("\nNot written: %1").arg(listed(names));
    if (const QStringList names = result.names(Outcome::NotReadBack); !names.isEmpty())
        text += QStringLiteral("\nWritten, not read back: %1").arg(listed(names));
    if (const QStringList names = result.names(Outcome::Uncertain); !names.isEmpty())
        text += QStringLiteral("\nSent, but no answer came (the collector may or may not hold it): %1")
                    .arg(listed(names));
    if (!result.skipped.isEmpty())
        text += QStringLiteral("\nSkipped, set over the serial link only or an action: %1")
                    .arg(listed(result.skipped));
    return text;
}

QJsonObject summaryJson(const WriteResult &result)
{
    QJsonObject object;
    for (const Outcome outcome : everyOutcome)
        object.insert(jsonName(outcome), QJsonArray::fromStringList(result.names(outcome)));
    object.insert(QStringLiteral("skipped"), QJsonArray::fromStringList(result.skipped));
    if (result.ending != Ending::Completed)
        object.insert(QStringLiteral("stopped"), result.why);
    return object;
}
