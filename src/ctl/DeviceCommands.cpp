// test, send, reset and clock: single exchanges with the collector.
#include "commands/CommandTable.h"
#include "commands/DropDownItems.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "link/ExchangeSession.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

// The clock selectors: year, month, day, hour, minute, each two digits.
const char *const ClockBoxes[] = {"ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6", "ComboBox7"};
const char *const ClockParts[] = {"year", "month", "day", "hour", "minute"};

int test(CtlRun &run)
{
    const QByteArray answer = run.run("Button14");
    if (!answer.startsWith("TY:") || answer.size() < 5)
        throw CtlFailure(CollectorDiffers,
                         QStringLiteral("%1: the answer \"%2\" is no communication test answer")
                             .arg(run.options.link.name(), QString::fromLatin1(escapedBytes(answer))));
    std::printf("model: %s\nlink: %c\n", qPrintable(run.form.shown(QStringLiteral("MKXINGHAO"))),
                answer.at(4));
    return Done;
}

int send(CtlRun &run)
{
    if (run.options.arguments.size() != 1)
        throw CtlFailure(UsageError, QStringLiteral("send: give one TEXT"));
    const Command raw{run.options.arguments.first().toLatin1(), Route::ByLinkMode, NoCode};
    const QByteArray answer = run.link().exchange(raw);
    std::printf("%s\n", escapedBytes(answer).constData());
    return Done;
}

int reset(CtlRun &run)
{
    if (!run.options.yes)
        throw CtlFailure(UsageError,
                         QStringLiteral("reset puts every setting back to its factory value: add --yes"));
    const QByteArray answer = run.run("Button19");
    std::printf("%s\n", escapedBytes(answer).constData());
    return answer.contains("ERROR") ? CollectorDiffers : Done;
}

void selectClock(CtlRun &run, const QDateTime &when)
{
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
        const QByteArray answer = run.run("Button5");
        if (answer.contains("ERROR"))
            throw CtlFailure(
                CollectorDiffers,
                QStringLiteral("%1: the collector refused the clock").arg(run.options.link.name()));
    }
    run.run("Button32");
    QStringList parts;
    for (const char *box : ClockBoxes)
        parts << run.form.shown(QLatin1String(box));
    std::printf("20%s-%s-%s %s:%s\n", qPrintable(parts[0]), qPrintable(parts[1]), qPrintable(parts[2]),
                qPrintable(parts[3]), qPrintable(parts[4]));
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
