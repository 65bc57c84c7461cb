#include "profile/WriteResult.h"

#include "profile/ProfileKeys.h"

#include <QJsonArray>

namespace {

// clang-format off
struct OutcomeName
{
    Outcome outcome;
    const char *said;
    const char *json;
};
constexpr OutcomeName outcomeNames[] = {
    {Outcome::Changed,      "changed",                   "changed"},
    {Outcome::AlreadyRight, "already right",             "already_right"},
    {Outcome::Failed,       "failed",                    "failed"},
    {Outcome::NotReadBack,  "written but not read back", "written"},
    {Outcome::NotWritten,   "not written",               "not_written"},
    {Outcome::Uncertain,    "uncertain",                 "uncertain"},
    {Outcome::Kept,         "kept as the collector's own", "kept"},
};
// clang-format on

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
    for (const OutcomeName &name : outcomeNames)
        if (name.outcome == outcome)
            return QLatin1String(name.said);
    return {};
}

QString countsLine(const WriteResult &result)
{
    QStringList parts;
    for (const auto &[outcome, said, json] : outcomeNames) {
        const int n = result.count(outcome);
        // The first three are always said; the others when they occurred.
        if (n > 0 || outcome == Outcome::Changed || outcome == Outcome::AlreadyRight ||
            outcome == Outcome::Failed)
            parts << QStringLiteral("%1 %2").arg(n).arg(QLatin1String(said));
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
    if (!result.keptValues.isEmpty())
        text += QStringLiteral("\nKept as the collector's own (it identifies the collector): %1")
                    .arg(result.keptValues.join(QStringLiteral(", ")));
    if (!result.skipped.isEmpty())
        text += QStringLiteral("\nSkipped, set over the serial link only or an action: %1")
                    .arg(listed(result.skipped));
    return text;
}

QJsonObject summaryJson(const WriteResult &result)
{
    QJsonObject object;
    for (const OutcomeName &name : outcomeNames)
        object.insert(QLatin1String(name.json), QJsonArray::fromStringList(result.names(name.outcome)));
    object.insert(QStringLiteral("skipped"), QJsonArray::fromStringList(result.skipped));
    if (result.ending != Ending::Completed)
        object.insert(QStringLiteral("stopped"), result.why);
    return object;
}
