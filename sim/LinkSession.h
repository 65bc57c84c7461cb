#pragma once

#include "Collector.h"
#include "CommandSplitter.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace sim {

struct LinkOptions
{
    bool paced = false;          // 9600 bit/s, 8N1: about 1.04 ms a byte
    int splitMs = -1;            // >= 0: each reply piece in two halves with this pause between
    bool dropEveryOther = false; // the 2nd, 4th, ... command gets no answer
    bool garbage = false;        // a few noise bytes before each reply piece
    bool log = false;            // each command and reply, with a time stamp, on stderr
    int pieceGapMs = 0;          // quiet between the pieces of one answer (history records)
};

// One link to the tool: cuts its input into commands, asks the collector and writes the answers out,
// one burst per piece. The writer returns how many bytes it took (0: try again shortly; < 0: gone).
class LinkSession : public QObject
{
    Q_OBJECT
public:
    using Writer = std::function<qint64(const QByteArray &)>;

    static constexpr qsizetype mostQueuedBytes = 256 * 1024;
    static constexpr qint64 microsecondsPerByte = 1042; // 10 bits at 9600 bit/s
    static constexpr qint64 lookAheadUs = 16000;        // bytes are written this far ahead of the line

    LinkSession(Collector &collector, Link link, QString name, LinkOptions options, Writer writer,
                QObject *parent = nullptr);

    void receive(const QByteArray &bytes);
    bool idle() const { return m_queue.isEmpty(); }

private:
    struct Outgoing
    {
        QByteArray bytes;
        int pauseBeforeMs = 0;
        bool logged = false;
    };

    void answer(const ReceivedCommand &command);
    void enqueue(const QList<QByteArray> &pieces);
    void pump();
    void log(const char *direction, const QByteArray &bytes) const;
    qint64 lineBusyForUs() const;
    qsizetype bytesDueOnLine();

    Collector &m_collector;
    Link m_link;
    QString m_name;
    LinkOptions m_options;
    Writer m_writer;
    CommandSplitter m_splitter;
    QList<Outgoing> m_queue;
    QTimer m_timer;
    qint64 m_commandsSeen = 0;
    QElapsedTimer m_line;
    qint64 m_lineFreeAtUs = 0; // on m_line's clock
};

QByteArray printable(const QByteArray &bytes);

} // namespace sim
