// 24 hours of live readings at one every 5 s (17,280 readings, each drawn series that many points) in the
// store of the live chart; the last 1,200 (100 minutes) are appended to the full, shown chart one by one as
// the window adds an answer, each timed alone and with the event pass that follows it, where the chart's
// repaint falls. The chart's memory is the growth of the resident set from the empty chart shown to the full
// one.
#include "replies/Readings.h"
#include "replies/ReadingsCsv.h"
#include "ui/LiveChart.h"
#include "ui/ReadingSeries.h"
#include "ui/ReadingsChart.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLineSeries>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int Readings = 24 * 3600 / 5;
constexpr int Timed = 1200;

// VmRSS, VmHWM of this process in kB.
long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    return -1;
}

// A live data reply of the simulator's kind: drifting loop currents, a slow voltage, counting totals.
QByteArray reply(int i)
{
    auto five = [](double v) {
        return QByteArray::number(qint64(std::lround(v))).rightJustified(5, '0', true);
    };
    QByteArray text =
        "ST0:00012;TM:26-12-09 12:00;V:" + QByteArray::number(12.4 + 0.3 * std::sin(i / 120.0), 'f', 1);
    for (int a = 1; a <= 6; ++a)
        text += ";A0" + QByteArray::number(a) + ':' + five(12000 + 7000 * std::sin(i / (24.0 + 6 * a)));
    for (int p = 1; p <= 3; ++p)
        text += ";P0" + QByteArray::number(p) + ':' +
                QByteArray::number(100000 * p + i * p).rightJustified(9, '0');
    text += ";K01:1" + QByteArray(1, (i / 6) % 2 ? '1' : '0') + QByteArray(1, (i / 9) % 2 ? '1' : '0') + ';';
    return text;
}

// The processor time of this thread: what the window's thread spends, however busy the machine is.
qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double percentileMs(std::vector<qint64> ns, double p)
{
    std::sort(ns.begin(), ns.end());
    return ns[std::min(ns.size() - 1, std::size_t(p * double(ns.size())))] / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // --series N: draw only the first N series (the others are kept and hidden, as after a legend click).
    int shown = DrawnReadings;
    if (const int at = int(QCoreApplication::arguments().indexOf(QStringLiteral("--series"))); at > 0)
        shown = std::clamp(QCoreApplication::arguments().value(at + 1).toInt(), 1, DrawnReadings);

    ReadingSeries store(ReadingSeries::Day);
    LiveChart chart(store, nullptr);
    chart.show();
    for (int s = shown; s < DrawnReadings; ++s)
        chart.chart()->setSeriesShown(s, false);
    QCoreApplication::processEvents();
    const long before = statusKb("VmRSS:");

    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    auto add = [&](int i) {
        const QStringList readings = readingsOf(reply(i));
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(start + qint64(i) * 5000);
        store.append(at.toMSecsSinceEpoch(), readings, liveCsvRow(at, readings));
    };
    // The first 22 h 20 min while the window shows something else (the chart draws only when shown)...
    chart.hide();
    for (int i = 0; i < Readings - Timed; ++i)
        add(i);
    chart.show();
    QCoreApplication::processEvents();
    // ...then the last Timed readings into the full chart, where an append costs the most.
    std::vector<qint64> appends, passes, cpu;
    QElapsedTimer timer;
    for (int i = Readings - Timed; i < Readings; ++i) {
        timer.start();
        const qint64 cpuBefore = threadCpuNs();
        add(i);
        chart.added();
        cpu.push_back(threadCpuNs() - cpuBefore);
        appends.push_back(timer.nsecsElapsed());
        timer.start();
        QCoreApplication::processEvents();
        passes.push_back(timer.nsecsElapsed());
    }
    const long after = statusKb("VmRSS:");
    std::vector<qint64> whole(appends);
    for (std::size_t i = 0; i < whole.size(); ++i)
        whole[i] += passes[i];
    std::printf("series drawn:              %d of %d, %lld points in each line\n", shown, DrawnReadings,
                qint64(chart.chart()->series(0)->count()));
    std::printf("readings kept:             %lld\n", qint64(store.size()));
    std::printf("append median:             %.3f ms\n", percentileMs(appends, 0.5));
    std::printf("append 99th percentile:    %.3f ms\n", percentileMs(appends, 0.99));
    std::printf("append slowest:            %.3f ms\n", percentileMs(appends, 1.0));
    std::printf("append cpu median:         %.3f ms\n", percentileMs(cpu, 0.5));
    std::printf("append cpu 99th:           %.3f ms\n", percentileMs(cpu, 0.99));
    std::printf("append cpu slowest:        %.3f ms\n", percentileMs(cpu, 1.0));
    std::printf("repaint median:            %.3f ms\n", percentileMs(passes, 0.5));
    std::printf("append and repaint median: %.3f ms\n", percentileMs(whole, 0.5));
    std::printf("append and repaint 99th:   %.3f ms\n", percentileMs(whole, 0.99));
    std::printf("append and repaint slowest:%.3f ms\n", percentileMs(whole, 1.0));
    std::printf("chart memory:              %.1f MB\n", (after - before) / 1024.0);
    std::printf("peak resident:             %.1f MB\n", statusKb("VmHWM:") / 1024.0);
    return 0;
}
