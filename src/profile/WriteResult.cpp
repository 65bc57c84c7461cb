#include "profile/WriteResult.h"

#include "profile/ProfileKeys.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

// clang-format off
struct OutcomeName
{
    Outcome outcome;
    const char *said;
    const char *json;
    const char *counted;
};
constexpr OutcomeName outcomeNames[] = {
    {Outcome::Changed,      "changed",                     "changed",       QT_TRANSLATE_NOOP("Profile", "%1 changed")},
    {Outcome::AlreadyRight, "already right",               "already_right", QT_TRANSLATE_NOOP("Profile", "%1 already right")},
    {Outcome::Failed,       "failed",                      "failed",        QT_TRANSLATE_NOOP("Profile", "%1 failed")},
    {Outcome::NotReadBack,  "written but not read back",   "written",       QT_TRANSLATE_NOOP("Profile", "%1 written but not read back")},
    {Outcome::NotWritten,   "not written",                 "not_written",   QT_TRANSLATE_NOOP("Profile", "%1 not written")},
    {Outcome::Uncertain,    "uncertain",                   "uncertain",     QT_TRANSLATE_NOOP("Profile", "%1 uncertain")},
    {Outcome::Kept,         "kept as the collector's own", "kept",          QT_TRANSLATE_NOOP("Profile", "%1 kept as the collector's own")},
};
// clang-format on

QString listed(const QStringList &names)
{
    return names.isEmpty() ? QCoreApplication::translate("Profile", "none")
                           : names.join(QStringLiteral(", "));
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

namespace {

QString counts(const WriteResult &result, bool shown)
{
    QStringList parts;
    for (const auto &[outcome, said, json, counted] : outcomeNames) {
        const int n = result.count(outcome);
        // The first three are always said; the others when they occurred.
        if (n > 0 || outcome == Outcome::Changed || outcome == Outcome::AlreadyRight ||
            outcome == Outcome::Failed)
            parts
                << (shown ? QCoreApplication::translate("Profile", counted) : QLatin1String(counted)).arg(n);
    }
    return parts.join(shown ? QCoreApplication::translate("Profile", ", ") : QStringLiteral(", "));
}

} // namespace

QString countsLine(const WriteResult &result)
{
    return counts(result, false);
}

QString summaryText(const WriteResult &result)
{
    QString text;
    if (result.ending != Ending::Completed)
        text += QCoreApplication::translate("Profile", "The write ended early: %1.\n\n").arg(result.why);
    text += counts(result, true) + QCoreApplication::translate("Profile", ".");
    text += QCoreApplication::translate("Profile", "\n\nChanged: %1\nFailed: %2")
                .arg(listed(result.names(Outcome::Changed)), listed(result.names(Outcome::Failed)));
    if (const QStringList names = result.names(Outcome::NotWritten); !names.isEmpty())
        text += QCoreApplication::translate("Profile", "\nNot written: %1").arg(listed(names));
    if (const QStringList names = result.names(Outcome::NotReadBack); !names.isEmpty())
        text += QCoreApplication::translate("Profile", "\nWritten, not read back: %1").arg(listed(names));
    if (const QStringList names = result.names(Outcome::Uncertain); !names.isEmpty())
        text += QCoreApplication::translate(
                    "Profile", "\nSent, but no answer came (the collector may or may not hold it): %1")
                    .arg(listed(names));
    if (!result.keptValues.isEmpty())
        text += QCoreApplication::translate("Profile",
                                            "\nKept as the collector's own (it identifies the collector): %1")
                    .arg(result.keptValues.join(QStringLiteral(", ")));
    if (!result.skipped.isEmpty())
        text += QCoreApplication::translate("Profile",
                                            "\nSkipped, set over the serial link only or an action: %1")
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
