#include "replies/Readings.h"

#include "commands/Form.h"
#include "commands/Gbk.h"
#include "replies/LiveDataReply.h"
#include "replies/WorkingText.h"

#include <QHash>

namespace {

// clang-format off
constexpr ReadingColumn columns[] = {
    // name            control    title      plot
    {"station",        "Label80", "Station", Plot::No},
    {"collector_time", "Label81", "Clock",   Plot::No},
    {"voltage",        "Label82", "Voltage", Plot::Volts},
    {"a01",            "AD1XS",   "AD01",    Plot::Analog},
    {"a02",            "AD2XS",   "AD02",    Plot::Analog},
    {"a03",            "AD3XS",   "AD03",    Plot::Analog},
    {"a04",            "AD4XS",   "AD04",    Plot::Analog},
    {"a05",            "AD5XS",   "AD05",    Plot::Analog},
    {"a06",            "AD6XS",   "AD06",    Plot::Analog},
    {"p01",            "PU1XS",   "P01",     Plot::Pulses},
    {"p02",            "PU2XS",   "P02",     Plot::Pulses},
    {"p03",            "PU3XS",   "P03",     Plot::Pulses},
    {"power",          "IN1XS",   "Power",   Plot::No},
    {"din1",           "IN2XS",   "DIN1",    Plot::State},
    {"din2",           "IN3XS",   "DIN2",    Plot::State},
};
// clang-format on

// Just enough of a window for the live reply to write into.
class Captions : public Form
{
public:
    QByteArray text(const QString &control) const override { return m_texts.value(control); }
    int index(const QString &) const override { return -1; }
    void setText(const QString &control, const QByteArray &text) override { m_texts.insert(control, text); }
    void appendText(const QString &control, const QByteArray &text) override { m_texts[control] += text; }
    void setIndex(const QString &, int) override {}
    void setChecked(const QString &, bool) override {}
    void setEnabled(const QString &, bool) override {}
    void setShown(const QString &, bool) override {}

private:
    QHash<QString, QByteArray> m_texts;
};

// The text after a tag up to the next ";" (or the end); none without the tag.
std::optional<QByteArray> tagged(const QByteArray &record, const QByteArray &tag)
{
    const qsizetype at = record.indexOf(tag);
    if (at < 0)
        return std::nullopt;
    const qsizetype start = at + tag.size();
    const qsizetype end = record.indexOf(';', start);
    return record.mid(start, end < 0 ? -1 : end - start);
}

} // namespace

std::span<const ReadingColumn> readingColumns()
{
    return columns;
}

QStringList readingsOf(const QByteArray &text)
{
    Captions page;
    liveDataReply(WorkingText(text), page);
    QStringList readings;
    for (const ReadingColumn &column : columns)
        readings << fromGbk(page.text(QLatin1String(column.control)));
    return readings;
}

std::optional<double> plottedValue(const ReadingColumn &column, const QString &reading)
{
    switch (column.plot) {
    case Plot::No:
        return std::nullopt;
    case Plot::State:
        // The captions of the digital inputs begin with their state: 1 closed, 0 open, 3 counting.
        if (reading.startsWith(u'1'))
            return 1.0;
        if (reading.startsWith(u'0'))
            return 0.0;
        return std::nullopt;
    default: {
        bool ok = false;
        const double value = reading.trimmed().toDouble(&ok);
        return ok ? std::optional(value) : std::nullopt;
    }
    }
}

QString recordNumber(const QByteArray &record)
{
    return QString::fromLatin1(tagged(record, "REC:").value_or(QByteArray()));
}

std::optional<QDateTime> recordTime(const QByteArray &record)
{
    const std::optional<QByteArray> clock = tagged(record, "TM:");
    if (!clock)
        return std::nullopt;
    // The collector writes a two-digit year; its years run from 2011 (the first history year).
    const QString text = QStringLiteral("20") + QString::fromLatin1(clock->trimmed());
    for (const QString &format :
         {QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("yyyy-MM-dd HH:mm")}) {
        const QDateTime time = QDateTime::fromString(text, format);
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}
