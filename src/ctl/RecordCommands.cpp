// live and history: readings now and the records the collector stored.
#include "commands/DropDownItems.h"
#include "commands/Gbk.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "replies/Readings.h"
#include "replies/ReadingsCsv.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int live(CtlRun &run)
{
    QList<AnswerField> fields;
    for (const ReadingColumn &r : readingColumns())
        fields << AnswerField{QLatin1String(r.control), QLatin1String(r.name)};
    if (run.options.csv && !run.options.dryRun)
        run.output(liveCsvHeader());
    for (int taken = 0; run.options.count < 0 || taken < run.options.count; ++taken) {
        if (taken > 0)
            run.pause(int(run.options.everySeconds * 1000));
        // Readings end with SIGINT or SIGTERM as with the count.
        if (CtlRun::stopRequested())
            break;
        run.clearForm();
        run.query("Button124", fields);
        if (run.options.dryRun)
            return Done;
        const QDateTime now = QDateTime::currentDateTime();
        QStringList readings;
        for (const ReadingColumn &r : readingColumns())
            readings << run.form.shown(QLatin1String(r.control));
        if (run.options.csv) {
            run.output(liveCsvRow(now, readings));
        } else {
            QJsonObject line{{QStringLiteral("pc_time"), pcTimeText(now)}};
            for (qsizetype i = 0; i < readings.size(); ++i)
                line.insert(QLatin1String(readingColumns()[i].name), readings.at(i));
            run.output(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
        }
    }
    return Done;
}

void selectOrRefuse(CtlRun &run, const char *box, const QString &item, const QString &what)
{
    if (run.form.select(QLatin1String(box), item))
        return;
    const QStringList items = dropDownItems(QLatin1String(box));
    throw CtlFailure(UsageError, QStringLiteral("history: the %1 \"%2\" is outside %3 to %4")
                                     .arg(what, item, items.first(), items.last()));
}

// A record's fields ("REC:001;TM:26-12-09 09:15;V:12.5;") as one JSON object.
QByteArray recordJson(const QByteArray &record)
{
    QJsonObject object;
    for (const QByteArray &field : record.split(';')) {
        const qsizetype colon = field.indexOf(':');
        if (colon > 0)
            object.insert(QString::fromLatin1(field.left(colon)), fromGbk(field.mid(colon + 1)));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

int history(CtlRun &run)
{
    const QDateTime from = QDateTime::fromString(run.options.from, QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!from.isValid() || run.options.count < 0)
        throw CtlFailure(UsageError,
                         QStringLiteral("history: give --from \"YYYY-MM-DD HH:MM\" and --count N"));
    const QStringList years = dropDownItems(QStringLiteral("Hyear"));
    const int year = from.date().year();
    if (year < 2000 + years.first().toInt() || year > 2000 + years.last().toInt())
        throw CtlFailure(UsageError, QStringLiteral("history: the year %1 is outside 20%2 to 20%3")
                                         .arg(year)
                                         .arg(years.first(), years.last()));
    selectOrRefuse(run, "Hyear", from.toString(QStringLiteral("yy")), QStringLiteral("year"));
    selectOrRefuse(run, "Hmonth", from.toString(QStringLiteral("MM")), QStringLiteral("month"));
    selectOrRefuse(run, "Hday", from.toString(QStringLiteral("dd")), QStringLiteral("day"));
    selectOrRefuse(run, "Hhour", from.toString(QStringLiteral("HH")), QStringLiteral("hour"));
    selectOrRefuse(run, "Hmin", from.toString(QStringLiteral("mm")), QStringLiteral("minute"));
    selectOrRefuse(run, "Hcont", QStringLiteral("%1").arg(run.options.count, 2, 10, QLatin1Char('0')),
                   QStringLiteral("count"));
    const Command query = run.command("Button125");
    if (run.options.dryRun) {
        run.output(query.text + '\n');
        return Done;
    }
    // The records come back to back, each ending with CR LF, in pieces cut wherever the
    // link cuts them: joined again, one record a line, as the collector sent it. Nothing
    // more is sent, so a stop signal ends the wait at once, the whole records kept.
    run.endWaitAtFirstSignal();
    ExchangeSession &link = run.link();
    if (CtlRun::stopRequested())
        throw CtlFailure(Interrupted, QStringLiteral("history: stopped by a signal"));
    link.startStream(query);
    QByteArray pending;
    int kept = 0;
    if (run.options.csv)
        run.output(historyCsvHeader());
    auto keep = [&](const QByteArray &record) {
        run.output(run.options.csv    ? historyCsvRow(record)
                   : run.options.json ? recordJson(record)
                                      : record + '\n');
        ++kept;
    };
    try {
        while (kept < run.options.count && !CtlRun::stopRequested()) {
            const std::optional<QByteArray> piece = link.nextPiece();
            if (!piece)
                break;
            pending += *piece;
            for (qsizetype end; (end = pending.indexOf("\r\n")) >= 0; pending.remove(0, end + 2))
                keep(pending.left(end));
        }
    } catch (const SessionError &error) {
        if (!CtlRun::stopRequested()) {
            run.commitOutput();
            throw CtlFailure(LinkError,
                             QStringLiteral("%1; %2 whole records kept").arg(error.message).arg(kept));
        }
    }
    // What came after the last whole record is no record; stopped, it is not one cut off either.
    if (CtlRun::stopRequested() && kept < run.options.count) {
        run.commitOutput();
        throw CtlFailure(Interrupted, QStringLiteral("history: stopped; %1 whole records kept").arg(kept));
    }
    const QByteArray rest = pending.trimmed();
    if (kept == 0 && (rest == "NO RECORD" || rest.startsWith("ERROR"))) {
        CtlRun::note(QStringLiteral("history: %1 from %2")
                         .arg(rest == "NO RECORD" ? QStringLiteral("no records") : QStringLiteral("refused"),
                              run.options.from));
        return rest == "NO RECORD" ? Done : CollectorDiffers;
    }
    if (!rest.isEmpty()) {
        run.commitOutput();
        throw CtlFailure(LinkError,
                         QStringLiteral("%1: a record was cut off after %2 whole ones (kept): \"%3\"")
                             .arg(run.options.link.name())
                             .arg(kept)
                             .arg(QString::fromLatin1(escapedBytes(rest.left(40)))));
    }
    return Done;
}

} // namespace

int runRecordCommand(CtlRun &run)
{
    return run.options.command == QLatin1String("live") ? live(run) : history(run);
}
