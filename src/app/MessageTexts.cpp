#include "app/MessageTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

namespace {

// The messages the layers below raise, "%1" ... standing for their particulars.
const char *const knownMessages[] = {
    QT_TRANSLATE_NOOP("MessageTexts", "'%1' is not a valid integer value"),
    QT_TRANSLATE_NOOP("MessageTexts", "Error opening serial port"),
    QT_TRANSLATE_NOOP("MessageTexts", "Input data must not be singular"),
    QT_TRANSLATE_NOOP("MessageTexts", "Asynchronous socket error %1"),
    QT_TRANSLATE_NOOP("MessageTexts", "Windows socket error: %1 (%2), on API '%3'"),
    QT_TRANSLATE_NOOP("MessageTexts", "No address specified"),
    QT_TRANSLATE_NOOP("MessageTexts", "Can't change value while socket is active"),
    QT_TRANSLATE_NOOP("MessageTexts", "Can't create new socket"),
    QT_TRANSLATE_NOOP("MessageTexts", "the serial port is not open: pick it and click \"Open\" first"),
    QT_TRANSLATE_NOOP("MessageTexts", "not connected to the gateway: click \"Connect\" first"),
    QT_TRANSLATE_NOOP("MessageTexts", "%1: cannot connect: %2 (%3)"),
    QT_TRANSLATE_NOOP("MessageTexts", "%1: no answer to the connection within %2 s: is the address right?"),
};

// The message's particulars when it is made from the pattern.
std::optional<QStringList> particulars(const QString &pattern, const QString &message)
{
    QString expression;
    const QStringList pieces = pattern.split(QRegularExpression(QStringLiteral("%\\d")));
    for (qsizetype i = 0; i < pieces.size(); ++i)
        expression += (i ? QStringLiteral("(.*)") : QString()) + QRegularExpression::escape(pieces[i]);
    const QRegularExpressionMatch match = QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                                             QRegularExpression::DotMatchesEverythingOption)
                                              .match(message);
    if (!match.hasMatch())
        return std::nullopt;
    QStringList found = match.capturedTexts();
    found.removeFirst();
    return found;
}

} // namespace

QString shownMessage(const QString &message)
{
    for (const char *known : knownMessages) {
        const QString pattern = QString::fromUtf8(known);
        const QString translated = QCoreApplication::translate("MessageTexts", known);
        if (translated == pattern)
            continue;
        if (const std::optional<QStringList> found = particulars(pattern, message)) {
            // One pass, so that a particular holding "%2" stays as it is.
            QString shown;
            for (qsizetype i = 0; i < translated.size(); ++i) {
                const int at =
                    i + 1 < translated.size() && translated[i] == u'%' ? translated[i + 1].digitValue() : -1;
                if (at >= 1 && at <= found->size()) {
                    shown += found->at(at - 1);
                    ++i;
                } else {
                    shown += translated[i];
                }
            }
            return shown;
        }
    }
    return message;
}
