#include "Collector.h"

#include "LiveReadings.h"
#include "MeterAnswer.h"
#include "ReplyTexts.h"
#include "SetCommands.h"
#include "ValueFields.h"

namespace sim {

namespace {

// "COMR01" -> 0 .. "COMR04" -> 3 for the given four-letter stem; -1 otherwise.
int slotOf(const QByteArray &name, const char *stem)
{
    if (name.size() != 6 || !name.startsWith(stem) || name[4] != '0' || name[5] < '1' || name[5] > '4')
        return -1;
    return name[5] - '1';
}

} // namespace

Collector::Collector(WallClock now) : m_now(std::move(now)), m_started(m_now())
{
    m_history.generate(clock());
}

QDateTime Collector::clock() const
{
    return m_now().addMSecs(m_clockOffset);
}

qint64 Collector::secondsRunning() const
{
    return m_started.secsTo(m_now());
}

QList<QByteArray> Collector::answer(const QByteArray &command, Link link)
{
    if (command.startsWith("PPPPPP#") && command.endsWith('#') && command.size() > 8)
        return answerQuery(command.mid(7, command.size() - 8), link);
    if (command.startsWith("CFGMOD:") && command.endsWith('#')) {
        const auto model = numberIn(command.mid(7, command.size() - 8), 1, 0, 2);
        if (!model)
            return {refusal};
        m_model = *model;
        return {acknowledgement};
    }
    if (command == "CFGSET#RESET#") {
        m_settings = CollectorSettings{};
        m_pulseOrigin = {secondsRunning(), secondsRunning()};
        return {acknowledgement};
    }
    if (command.startsWith("CFGSET#") && command.endsWith('#')) {
        const qsizetype colon = command.indexOf(':');
        if (colon > 7)
            return {
                answerSetting(command.mid(7, colon - 7), command.mid(colon + 1, command.size() - colon - 2))};
    }
    return {refusal};
}

QList<QByteArray> Collector::answerQuery(const QByteArray &name, Link link)
{
    if (name == "VAR") // model digit, then the link the command came on: 0 serial, 1 network
        return {"TY:" + QByteArray::number(m_model) + (link == Link::Tcp ? '1' : '0')};
    if (name == "CHEACK1")
        return {systemReply(m_settings, clock())};
    if (name == "CHEACK2")
        return {
            gprsReply(m_settings, readingsAt(m_settings, secondsRunning(), m_pulseOrigin).signalStrength)};
    if (name == "CHEACK3")
        return {channelReply(m_settings)};
    if (name == "CHEACK6")
        return {rs485Reply(m_settings)};
    if (name == "STATUS")
        return {liveReply(m_settings, clock(), readingsAt(m_settings, secondsRunning(), m_pulseOrigin))};
    if (name == "STATUL")
        return {statusReply(m_settings, readingsAt(m_settings, secondsRunning(), m_pulseOrigin))};
    if (name.startsWith("REDEEM"))
        return history(name.mid(6));
    if (const int slot = slotOf(name, "COMR"); slot >= 0)
        return {slotReply(m_settings, slot)};
    if (const int slot = slotOf(name, "COMP"); slot >= 0)
        return {parsingReply(m_settings, slot)};
    return {refusal};
}

QByteArray Collector::answerSetting(const QByteArray &key, const QByteArray &value)
{
    if (key == "TM")
        return setClock(value) ? acknowledgement : refusal;
    if (!applySetting(m_settings, key, value))
        return refusal;
    // Some answers are read like the answer to the matching query.
    if (key.startsWith("COMW") && key != "COMWZ")
        return rs485Reply(m_settings);
    if (const int slot = slotOf(key, "COMP"); slot >= 0)
        return parsingReply(m_settings, slot);
    if (key == "COMWZ") {
        const QByteArray meter = meterAnswer(m_settings.calibrationFrame);
        return "COMWZ:" + (meter.isEmpty() ? QByteArray("NO ANSWER") : meter);
    }
    if (key == "SA" && m_settings.retention == 6)
        m_history.clear();
    if (key == "LP1" || key == "LP2")
        m_pulseOrigin[key == "LP1" ? 0 : 1] = secondsRunning();
    return acknowledgement;
}

bool Collector::setClock(const QByteArray &value)
{
    if (!digitsValue(value, 12, 12))
        return false;
    const QDateTime time = QDateTime::fromString("20" + QString::fromLatin1(value), "yyyyMMddHHmmss");
    if (!time.isValid())
        return false;
    m_clockOffset = m_now().msecsTo(time);
    return true;
}

// "YYMMDDhhmm" start time, then a record count of two digits (three for a count over 99). The
// records follow one another without a pause, each ending with CR LF.
QList<QByteArray> Collector::history(const QByteArray &fields)
{
    const auto count = digitsValue(fields.mid(10), 2, 3);
    const QDateTime start =
        QDateTime::fromString("20" + QString::fromLatin1(fields.left(10)), "yyyyMMddHHmm");
    if (!digitsValue(fields, 12, 13) || !count || !start.isValid())
        return {refusal};
    const QDateTime now = clock();
    QList<QByteArray> pieces;
    for (const HistoryStore::Entry &e : m_history.select(start, int(*count))) {
        const qint64 second = secondsRunning() - e.time.secsTo(now);
        pieces.append(historyRecord(e.number, e.time, readingsAt(m_settings, second, m_pulseOrigin)) +
                      "\r\n");
    }
    if (pieces.isEmpty())
        pieces.append(noRecords);
    return pieces;
}

} // namespace sim
