// live and history: readings now and the records the collector stored.
#include "commands/DropDownItems.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "link/ExchangeSession.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

namespace {

struct Reading
{
    const char *name;
    const char *control;
};

// What the live data reply fills, by the names a reading is printed under.
// clang-format off
const Reading readings[] = {
    {"station",        "Label80"},
    {"collector_time", "Label81"},
    {"voltage",        "Label82"},
    {"a01",            "AD1XS"},
    {"a02",            "AD2XS"},
    {"a03",            "AD3XS"},
    {"a04",            "AD4XS"},
    {"a05",            "AD5XS"},
    {"a06",            "AD6XS"},
    {"p01",            "PU1XS"},
    {"p02",            "PU2XS"},
    {"p03",            "PU3XS"},
    {"power",          "IN1XS"},
    {"in2",            "IN2XS"},
    {"in3",            "IN3XS"},
};
// clang-format on

QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"'))
        return value;
    return u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int live(CtlRun &run)
{
    if (run.options.csv) {
        QStringList header{QStringLiteral("pc_time")};
        for (const Reading &r : readings)
            header << QLatin1String(r.name);
        run.output(header.join(u',').toUtf8() + '\n');
    }
    for (int taken = 0; run.options.count < 0 || taken < run.options.count; ++taken) {
        if (taken > 0)
            pause(int(run.options.everySeconds * 1000));
        run.run("Button124");
        const QString now = QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
        if (run.options.csv) {
            QStringList row{now};
            for (const Reading &r : readings)
                row << csvField(run.form.shown(QLatin1String(r.control)));
            run.output(row.join(u',').toUtf8() + '\n');
        } else {
            QJsonObject line{{QStringLiteral("pc_time"), now}};
            for (const Reading &r : readings)
                line.insert(QLatin1String(r.name), run.form.shown(QLatin1String(r.control)));
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

int history(CtlRun &run)
{
    const QDateTime from = QDateTime::fromString(run.options.from, QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!from.isValid() || run.options.count < 0)
        throw CtlFailure(UsageError,
                         QStringLiteral("history: give --from \"YYYY-MM-DD HH:MM\" and --count N"));
    selectOrRefuse(run, "Hyear", from.toString(QStringLiteral("yy")), QStringLiteral("year"));
    selectOrRefuse(run, "Hmonth", from.toString(QStringLiteral("MM")), QStringLiteral("month"));
    selectOrRefuse(run, "Hday", from.toString(QStringLiteral("dd")), QStringLiteral("day"));
    selectOrRefuse(run, "Hhour", from.toString(QStringLiteral("HH")), QStringLiteral("hour"));
    selectOrRefuse(run, "Hmin", from.toString(QStringLiteral("mm")), QStringLiteral("minute"));
    selectOrRefuse(run, "Hcont", QStringLiteral("%1").arg(run.options.count, 2, 10, QLatin1Char('0')),
                   QStringLiteral("count"));
    // Every piece as it came, the records back to back; until the collector has been quiet for the timeout.
    std::optional<QByteArray> piece = run.run("Button125");
    const bool refused = piece->startsWith("ERROR");
    for (; piece; piece = run.link().nextPiece(run.options.timeoutMs))
        run.output(piece->endsWith('\n') ? *piece : *piece + '\n');
    return refused ? CollectorDiffers : Done;
}

} // namespace

int runRecordCommand(CtlRun &run)
{
    return run.options.command == QLatin1String("live") ? live(run) : history(run);
}
