#include "LinkSession.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <cstdio>
#include <utility>

namespace sim {

QByteArray printable(const QByteArray &bytes)
{
    QByteArray text;
    for (const char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\')
            text += c;
        else
            text += "\\x" + QByteArray::number(quint8(c), 16).rightJustified(2, '0');
    }
    return text;
}

namespace {

// Noise without NUL (it would cut the tool's view of the reply) and without letters.
QByteArray noise()
{
    static const QByteArray alphabet("\x01\x7F\xA5\xFE~%&*");
    QByteArray bytes;
    const int count = QRandomGenerator::global()->bounded(1, 6);
    for (int i = 0; i < count; ++i)
        bytes += alphabet.at(QRandomGenerator::global()->bounded(int(alphabet.size())));
    return bytes;
}

} // namespace

LinkSession::LinkSession(Collector &collector, Link link, QString name, LinkOptions options, Writer writer,
                         QObject *parent)
    : QObject(parent), m_collector(collector), m_link(link), m_name(std::move(name)), m_options(options),
      m_writer(std::move(writer))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &LinkSession::pump);
    m_line.start();
}

void LinkSession::receive(const QByteArray &bytes)
{
    for (const ReceivedCommand &command : m_splitter.feed(bytes))
        answer(command);
}

void LinkSession::answer(const ReceivedCommand &command)
{
    log("<-", (command.prefixed ? QByteArray("ZZZZ") : QByteArray()) + command.body);
    if (!command.complete) {
        enqueue({Collector::refusal});
        return;
    }
    ++m_commandsSeen;
    if (m_options.dropEveryOther && m_commandsSeen % 2 == 0) {
        log("--", "dropped");
        return;
    }
    enqueue(m_collector.answer(command.body, m_link));
}

void LinkSession::enqueue(const QList<QByteArray> &pieces)
{
    qsizetype queued = 0;
    for (const Outgoing &o : m_queue)
        queued += o.bytes.size();
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (queued > mostQueuedBytes) {
            log("--", "nobody reads: answer discarded");
            break;
        }
        const QByteArray bytes = m_options.garbage ? noise() + pieces[i] : pieces[i];
        const int pause = i == 0 ? 0 : m_options.pieceGapMs;
        if (m_options.splitMs >= 0 && bytes.size() > 1) {
            m_queue.append({bytes.left(bytes.size() / 2), pause});
            m_queue.append({bytes.mid(bytes.size() / 2), m_options.splitMs});
        } else {
            m_queue.append({bytes, pause});
        }
        queued += bytes.size();
    }
    if (!m_timer.isActive())
        pump();
}

void LinkSession::pump()
{
    while (!m_queue.isEmpty()) {
        Outgoing &next = m_queue.first();
        if (next.bytes.isEmpty()) {
            m_queue.removeFirst();
            continue;
        }
        if (next.pauseBeforeMs > 0) { // quiet from the moment the line has sent the previous byte
            m_timer.start(std::exchange(next.pauseBeforeMs, 0) +
                          int(qMax<qint64>(0, lineBusyForUs()) / 1000));
            return;
        }
        if (!next.logged) {
            next.logged = true;
            log("->", next.bytes);
        }
        const QByteArray chunk = m_options.paced ? next.bytes.left(bytesDueOnLine()) : next.bytes;
        const qint64 taken = m_writer(chunk);
        if (taken < 0) {
            m_queue.removeFirst();
            continue;
        }
        next.bytes.remove(0, taken);
        if (next.bytes.isEmpty())
            m_queue.removeFirst();
        if (taken == 0) { // the other side is not reading: try again shortly
            m_timer.start(20);
            return;
        }
        if (m_options.paced) {
            m_lineFreeAtUs += taken * microsecondsPerByte;
            m_timer.start(int(qMax<qint64>(1, (lineBusyForUs() - lookAheadUs) / 1000)));
            return;
        }
    }
}

// How long the line still needs for the bytes already written (negative: idle that long).
qint64 LinkSession::lineBusyForUs() const
{
    return m_lineFreeAtUs - m_line.nsecsElapsed() / 1000;
}

// The bytes that keep the line busy until lookAheadUs from now. A late timer is made up for with more
// bytes at once, so a reply takes its line time and has no pause in it beyond the timer's delay.
qsizetype LinkSession::bytesDueOnLine()
{
    if (lineBusyForUs() < 0)
        m_lineFreeAtUs = m_line.nsecsElapsed() / 1000;
    return qMax<qsizetype>(1, (lookAheadUs - lineBusyForUs()) / microsecondsPerByte);
}

void LinkSession::log(const char *direction, const QByteArray &bytes) const
{
    if (!m_options.log)
        return;
    const QByteArray line = QDateTime::currentDateTime().toString("hh:mm:ss.zzz").toLatin1() + ' ' +
                            m_name.toLocal8Bit() + ' ' + direction + ' ' + printable(bytes) + '\n';
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
}

} // namespace sim
