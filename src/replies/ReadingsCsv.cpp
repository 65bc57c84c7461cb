#include "replies/ReadingsCsv.h"

#include "replies/Readings.h"

namespace {

// A record names no station: its columns start after it.
constexpr qsizetype FirstRecordColumn = 1;

QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\r') && !value.contains(u'\n'))
        return value;
    return u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QByteArray line(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(u',').toUtf8() + '\n';
}

QStringList names(qsizetype from)
{
    QStringList header;
    for (const ReadingColumn &column : readingColumns().subspan(from))
        header << QLatin1String(column.name);
    return header;
}

} // namespace

QString pcTimeText(const QDateTime &time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QString collectorTimeText(const QDateTime &time)
{
    return time.toString(Qt::ISODate);
}

QByteArray liveCsvHeader()
{
    return line(QStringList{QStringLiteral("pc_time")} + names(0));
}

QByteArray liveCsvRow(const QDateTime &pcTime, const QStringList &readings)
{
    return line(QStringList{pcTimeText(pcTime)} + readings);
}

QByteArray historyCsvHeader()
{
    return line(QStringList{QStringLiteral("time"), QStringLiteral("record")} + names(FirstRecordColumn));
}

QByteArray historyCsvRow(const QByteArray &record)
{
    const std::optional<QDateTime> time = recordTime(record);
    return line(QStringList{time ? collectorTimeText(*time) : QString(), recordNumber(record)} +
                readingsOf(record).mid(FirstRecordColumn));
}
