// test, send, reset and clock: single exchanges with the collector.
#include "commands/CommandTable.h"
#include "commands/DropDownItems.h"
#include "commands/Gbk.h"
#include "commands/QueryCommands.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "profile/AnswerCheck.h"
#include "replies/ReplyDispatch.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The clock selectors: year, month, day, hour, minute, each two digits.
const char *const ClockBoxes[] = {"ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6", "ComboBox7"};
const char *const ClockParts[] = {"year", "month", "day", "hour", "minute"};

QByteArray jsonLine(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

// The communication test's answer: "TY:", the model digit and the link digit.
bool isTestAnswer(const QByteArray &answer)
{
    const qsizetype at = answer.indexOf("TY:");
    return at >= 0 && answer.size() >= at + 5;
}

int test(CtlRun &run)
{
    const QByteArray answer = run.exchangeCommand(run.command("Button14"), isTestAnswer);
    if (run.options.dryRun)
        return Done;
    const qsizetype at = answer.indexOf("TY:");
    if (at < 0 || answer.size() < at + 5)
        throw CtlFailure(CollectorDiffers,
                         QStringLiteral("%1: the answer \"%2\" is no communication test answer")
                             .arg(run.options.link.name(), QString::fromLatin1(escapedBytes(answer))));
    const QString model = run.form.shown(QStringLiteral("MKXINGHAO"));
    const QChar link = QLatin1Char(answer.at(at + 4));
    if (run.options.json)
        run.output(jsonLine({{QStringLiteral("model"), model}, {QStringLiteral("link"), QString(link)}}));
    else
        run.output(QStringLiteral("model: %1\nlink: %2\n").arg(model, link).toUtf8());
    return Done;
}

int send(CtlRun &run)
{
    const QString text = run.options.arguments.first();
    if (text.isEmpty())
        throw CtlFailure(UsageError, QStringLiteral("send: the TEXT is empty; nothing sent"));
    if (fromGbk(toGbk(text)) != text)
        throw CtlFailure(
            UsageError,
            QStringLiteral("send: \"%1\" has characters GBK cannot write; nothing sent").arg(text));
    const Command raw{toGbk(text), Route::ByLinkMode, NoCode};
    // The text of a page's query is answered by that page's fields; anything else by OK or ERROR,
    // or when the collector has been quiet.
    WholeAnswer whole = isAcknowledgement;
    for (const CommandRow &row : queryCommands()) {
        const QStringList controls = controlsOfQuery(row.button);
        if (!controls.isEmpty() && (raw.text == row.head || raw.text == "ZZZZ" + row.head))
            whole = [code = row.replyCode.value_or(0), controls](const QByteArray &answer) {
                return isAcknowledgement(answer) || answerComplete(answer, code, controls);
            };
    }
    const QByteArray answer = run.exchangeCommand(raw, whole);
    if (run.options.dryRun)
        return Done;
    run.output(escapedBytes(answer) + '\n');
    return answer.contains("ERROR") ? CollectorDiffers : Done;
}

int reset(CtlRun &run)
{
    if (!run.options.yes)
        throw CtlFailure(UsageError,
                         QStringLiteral("reset puts every setting back to its factory value: add --yes"));
    const QByteArray answer = run.exchangeCommand(run.command("Button19"), isAcknowledgement);
    if (run.options.dryRun)
        return Done;
    run.output(escapedBytes(answer) + '\n');
    return answer.trimmed().endsWith("OK") ? Done : CollectorDiffers;
}

void selectClock(CtlRun &run, const QDateTime &when)
{
    const QStringList years = dropDownItems(QLatin1String(ClockBoxes[0]));
    const int year = when.date().year();
    if (year < 2000 + years.first().toInt() || year > 2000 + years.last().toInt())
        throw CtlFailure(UsageError, QStringLiteral("--set: the year %1 is outside 20%2 to 20%3")
                                         .arg(year)
                                         .arg(years.first(), years.last()));
    const QString parts[] = {when.toString(QStringLiteral("yy")), when.toString(QStringLiteral("MM")),
                             when.toString(QStringLiteral("dd")), when.toString(QStringLiteral("HH")),
                             when.toString(QStringLiteral("mm"))};
    for (int i = 0; i < 5; ++i) {
        const QString box = QLatin1String(ClockBoxes[i]);
        if (!run.form.select(box, parts[i])) {
            const QStringList items = dropDownItems(box);
            throw CtlFailure(UsageError,
                             QStringLiteral("--set: the %1 \"%2\" is outside %3 to %4")
                                 .arg(QLatin1String(ClockParts[i]), parts[i], items.first(), items.last()));
        }
    }
}

int clock(CtlRun &run)
{
    if (!run.options.clockSet.isEmpty()) {
        QDateTime when = QDateTime::currentDateTime();
        if (run.options.clockSet != QLatin1String("now")) {
            when = QDateTime::fromString(run.options.clockSet, QStringLiteral("yyyy-MM-dd HH:mm"));
            if (!when.isValid())
                throw CtlFailure(
                    UsageError,
                    QStringLiteral("--set %1: give now or \"YYYY-MM-DD HH:MM\"").arg(run.options.clockSet));
        }
        selectClock(run, when);
        const QByteArray answer = run.exchangeCommand(run.command("Button5"), isAcknowledgement);
        if (!run.options.dryRun && !answer.trimmed().endsWith("OK"))
            throw CtlFailure(CollectorDiffers,
                             QStringLiteral("%1: the collector refused the clock: \"%2\"")
                                 .arg(run.options.link.name(), QString::fromLatin1(escapedBytes(answer))));
    }
    run.clearForm();
    QList<AnswerField> fields;
    for (int i = 0; i < 5; ++i)
        fields << AnswerField{QLatin1String(ClockBoxes[i]), QLatin1String(ClockParts[i])};
    run.query("Button32", fields);
    if (run.options.dryRun)
        return Done;
    QStringList parts;
    for (const char *box : ClockBoxes)
        parts << run.form.shown(QLatin1String(box));
    const QString shown =
        QStringLiteral("20%1-%2-%3 %4:%5").arg(parts[0], parts[1], parts[2], parts[3], parts[4]);
    if (run.options.json)
        run.output(jsonLine({{QStringLiteral("clock"), shown}}));
    else
        run.output(shown.toUtf8() + '\n');
    return Done;
}

} // namespace

int runDeviceCommand(CtlRun &run)
{
    const QString &command = run.options.command;
    if (command == QLatin1String("test"))
        return test(run);
    if (command == QLatin1String("send"))
        return send(run);
    if (command == QLatin1String("reset"))
        return reset(run);
    return clock(run);
}
