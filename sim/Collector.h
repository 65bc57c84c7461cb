#pragma once

#include "CollectorSettings.h"
#include "HistoryStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <array>
#include <functional>

namespace sim {

enum class Link { Serial, Tcp };

// One collector: its settings, running clock, model, live readings and stored history. Takes one
// command (without the "ZZZZ" prefix) and gives the pieces of its answer, in order; the link puts
// pauses between pieces. No I/O here.
class Collector
{
public:
    using WallClock = std::function<QDateTime()>;

    static constexpr char acknowledgement[] = "OK";
    static constexpr char refusal[] = "ERROR";
    static constexpr char noRecords[] = "NO RECORD";

    explicit Collector(WallClock now = &QDateTime::currentDateTime);

    QList<QByteArray> answer(const QByteArray &command, Link link);

    const CollectorSettings &settings() const { return m_settings; }
    int model() const { return m_model; }
    QDateTime clock() const;
    qsizetype storedRecords() const { return m_history.size(); }

private:
    QList<QByteArray> answerQuery(const QByteArray &name, Link link);
    QByteArray answerSetting(const QByteArray &key, const QByteArray &value);
    QList<QByteArray> history(const QByteArray &fields);
    qint64 secondsRunning() const;
    bool setClock(const QByteArray &value);

    WallClock m_now;
    QDateTime m_started;
    qint64 m_clockOffset = 0; // milliseconds
    int m_model = 1;
    CollectorSettings m_settings;
    HistoryStore m_history;
    std::array<qint64, 2> m_pulseOrigin{-86400, -86400};
};

} // namespace sim
