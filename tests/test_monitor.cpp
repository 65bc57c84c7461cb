// "Monitor", the live chart and the history export of the "Data Query" page, against the simulator
// program over the pseudo-terminal and over the gateway.
#include "MessageBoxes.h"
#include "SimWindowRig.h"
#include "app/DataWatch.h"
#include "app/LiveMonitor.h"
#include "app/ProfileActions.h"
#include "replies/ReadingsCsv.h"
#include "test_sim_process.h"
#include "ui/HistoryChart.h"
#include "ui/LiveChart.h"

#include <QCheckBox>
#include <QDateTime>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTime>

#include <sys/resource.h>

#include <csignal>
#include <memory>

namespace {

// The window connected to a simulator, and its monitor.
struct Rig : SimWindowRig
{
    explicit Rig(Via link) : SimWindowRig(link) { connectWindow(); }
    DataWatch &watch() { return *w->form.dataWatch(); }
    QCheckBox *toggle() { return w->get<QCheckBox>("Monitor"); }
    void monitor(int seconds)
    {
        w->get<QSpinBox>("MonitorInterval")->setValue(seconds);
        toggle()->click();
    }
    // When the simulator received each command starting with `command` since the last call.
    QList<QTime> received(const QByteArray &command)
    {
        log += sim->process().readAllStandardError();
        QList<QTime> times;
        for (const QByteArray &line : log.split('\n'))
            if (line.contains(" <- " + (via == Via::Gateway && command == "PPPPPP#STATUS#" ? "ZZZZ" + command
                                                                                           : command)))
                times << QTime::fromString(QString::fromLatin1(line.left(12)),
                                           QStringLiteral("hh:mm:ss.zzz"));
        log.clear();
        return times;
    }
    // The history query for `count` records from some hours ago.
    QDateTime askHistory(int count, int hoursAgo = 8)
    {
        const QDateTime from = QDateTime::currentDateTime().addSecs(-hoursAgo * 3600);
        const QStringList parts{
            from.toString("yy"),  from.toString("MM"),
            from.toString("dd"),  from.toString("HH"),
            QStringLiteral("00"), QStringLiteral("%1").arg(count, 2, 10, QLatin1Char('0'))};
        const char *boxes[] = {"Hyear", "Hmonth", "Hday", "Hhour", "Hmin", "Hcont"};
        for (int i = 0; i < 6; ++i)
            w->get<QComboBox>(boxes[i])->setEditText(parts[i]);
        w->get<QPushButton>("Button125")->click();
        return QDateTime(from.date(), QTime(from.time().hour(), 0));
    }
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MonitorTest : public QObject
{
    Q_OBJECT

private slots:
    void sends_at_the_chosen_interval_data() { bothLinks(); }
    void sends_at_the_chosen_interval()
    {
        QFETCH(Via, via);
        Rig rig(via);
        rig.received("");
        rig.monitor(1);
        QTest::qWait(3500);
        rig.toggle()->click();
        const QList<QTime> sent = rig.received("PPPPPP#STATUS#");
        QVERIFY2(sent.size() >= 3 && sent.size() <= 5, qPrintable(QString::number(sent.size())));
        for (qsizetype i = 1; i < sent.size(); ++i) {
            const int gap = sent[i - 1].msecsTo(sent[i]);
            QVERIFY2(gap > 800 && gap < 1300, qPrintable(QString::number(gap)));
        }
        // each answer was read into the page and kept for the chart, stamped with the PC's time
        QCOMPARE(rig.w->shown("Label80"), QStringLiteral("00012"));
        QTRY_COMPARE(rig.watch().liveReadings().size(), sent.size());
        QTest::qWait(1500);
        QVERIFY(rig.received("PPPPPP#STATUS#").isEmpty());

        rig.watch().showLiveChart();
        QVERIFY(rig.watch().liveChart()->exportTo(rig.path("live.csv")));
        const QList<QByteArray> rows = fileBytes(rig.path("live.csv")).mid(3).split('\n');
        QCOMPARE(rows.first() + '\n', liveCsvHeader());
        QCOMPARE(rows.size(), sent.size() + 2); // the header, a row per answer, the empty end
        QVERIFY2(rows[1].contains(",00012,"), rows[1]);
        rig.watch().windowClosed();
        QVERIFY(!rig.watch().liveChart()->isVisible());
    }

    // A profile action holds the link: the turns that fall in it are skipped, and the monitor goes on after
    // it.
    void never_sends_during_a_profile_action()
    {
        Rig rig(Via::Serial);
        rig.monitor(1);
        QTest::qWait(1600);
        rig.received("");
        rig.w->form.profiles().compare();
        QVERIFY(rig.received("PPPPPP#STATUS#").isEmpty());
        QVERIFY(rig.watch().monitor().skippedTurns() >= 1);
        QVERIFY(rig.toggle()->isChecked());
        QTest::qWait(2200);
        QVERIFY(!rig.received("PPPPPP#STATUS#").isEmpty());
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("CompareDialog"))
                top->close();
        closeBoxes();
    }

    // A history download at 9600 bit/s takes seconds: no turn may cut in, or records would be lost.
    void never_cuts_into_a_history_download()
    {
        Rig rig(Via::Serial);
        rig.monitor(1);
        QTest::qWait(600);
        rig.askHistory(20);
        QTRY_COMPARE_WITH_TIMEOUT(rig.watch().history().records().size(), 20, 10000);
        QVERIFY(rig.watch().monitor().skippedTurns() >= 2);
        const QList<QTime> status = rig.received("PPPPPP#STATUS#");
        QCOMPARE(status.size(), 1); // the first turn, before the download
        QTest::qWait(1500);
        QVERIFY(!rig.received("PPPPPP#STATUS#").isEmpty());
    }

    void stops_when_the_link_ends_data()
    {
        QTest::addColumn<Via>("via");
        QTest::addColumn<bool>("lost");
        QTest::newRow("Close") << Via::Serial << false;
        QTest::newRow("Disconnect") << Via::Gateway << false;
        QTest::newRow("serial device gone") << Via::Serial << true;
        QTest::newRow("gateway gone") << Via::Gateway << true;
    }
    void stops_when_the_link_ends()
    {
        QFETCH(Via, via);
        QFETCH(bool, lost);
        Rig rig(via);
        rig.monitor(1);
        QTest::qWait(1500);
        QVERIFY(rig.watch().monitor().isRunning());
        if (lost)
            rig.sim.reset();
        else
            rig.w->get<QPushButton>(via == Via::Serial ? "Button10" : "Button9")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.toggle()->isChecked(), 2500);
        QVERIFY(!rig.watch().monitor().isRunning());
        closeBoxes();
        // turned on again without a link, it says so and stays off
        rig.toggle()->click();
        QVERIFY(!rig.toggle()->isChecked());
        QCOMPARE(boxTexts().size(), 1);
    }

    void history_csv_holds_every_record_data() { bothLinks(); }
    void history_csv_holds_every_record()
    {
        QFETCH(Via, via);
        Rig rig(via);
        const QDateTime from = rig.askHistory(12);
        QTRY_COMPARE_WITH_TIMEOUT(rig.watch().history().records().size(), 12, 10000);
        QVERIFY(rig.w->get<QPushButton>("HistoryExport")->isEnabled());
        QVERIFY(rig.watch().exportHistory(rig.path("history.csv")));
        const QByteArray csv = fileBytes(rig.path("history.csv"));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF" + historyCsvHeader()));
        // tl380ctl, over the other link, gives the same rows
        QProcess ctl;
        const QStringList link =
            via == Via::Serial ? QStringList{"--gateway", QStringLiteral("127.0.0.1:%1").arg(rig.sim->port)}
                               : QStringList{"--serial", rig.sim->link};
        ctl.start(QStringLiteral(TL380CTL_PATH),
                  link + QStringList{"history", "--from", from.toString("yyyy-MM-dd HH:mm"), "--count", "12",
                                     "--csv"});
        QVERIFY(ctl.waitForFinished(30000));
        QCOMPARE(ctl.exitCode(), 0);
        // the simulator makes up a record's readings anew at each query: the same rows, by time and number
        const QList<QByteArray> rows = csv.mid(3).trimmed().split('\n');
        const QList<QByteArray> ctlRows = ctl.readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(rows.size(), 13);
        QCOMPARE(ctlRows.size(), 13);
        QCOMPARE(ctlRows.first(), rows.first());
        const QList<QByteArray> &records = rig.watch().history().records();
        const char *tags[] = {"V:", "A01:", "A02:", "A03:", "A04:", "A05:", "A06:", "P01:", "P02:", "P03:"};
        for (int i = 0; i < 12; ++i) {
            const QList<QByteArray> fields = rows.at(i + 1).split(',');
            QCOMPARE(fields.mid(0, 2), ctlRows.at(i + 1).split(',').mid(0, 2));
            QCOMPARE("REC:" + fields.at(1) + ';', records.at(i).left(records.at(i).indexOf(';') + 1));
            for (int k = 0; k < 10; ++k)
                QVERIFY2(records.at(i).contains(tags[k] + fields.at(3 + k) + ';'), rows.at(i + 1));
        }
        QVERIFY2(rows.at(1).startsWith(from.toString("yyyy-MM-ddTHH:mm:00").toLatin1()), rows.at(1));

        // a full disk: the box names the cause, and no file is left behind
        struct rlimit before;
        getrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tight = before;
        tight.rlim_cur = 512;
        setrlimit(RLIMIT_FSIZE, &tight);
        const bool saved = rig.watch().exportHistory(rig.path("full.csv"));
        setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY(!saved);
        QVERIFY(!QFile::exists(rig.path("full.csv")));
        const QStringList boxes = boxTexts();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes.first().contains(QStringLiteral("full.csv: not saved: ")), qPrintable(boxes.first()));

        // "Clear Buffer" empties the list, and the records with it
        rig.w->get<QPushButton>("Button141")->click();
        QVERIFY(rig.watch().history().records().isEmpty());
        QVERIFY(!rig.w->get<QPushButton>("HistoryExport")->isEnabled());
    }

    // The README's pictures: TL380_CHART_SHOTS=docs (the live chart after 90 s at one reading a second).
    void chartPictures()
    {
        const QString folder = qEnvironmentVariable("TL380_CHART_SHOTS");
        if (folder.isEmpty())
            QSKIP("TL380_CHART_SHOTS names no folder");
        Rig rig(Via::Gateway);
        rig.askHistory(80, 21);
        QTRY_COMPARE_WITH_TIMEOUT(rig.watch().history().records().size(), 80, 20000);
        rig.watch().showHistoryChart();
        rig.watch().historyChart()->resize(900, 520);
        QTest::qWait(300);
        QVERIFY(rig.watch().historyChart()->grab().save(folder + QStringLiteral("/history-chart.png")));
        rig.monitor(1);
        rig.watch().showLiveChart();
        rig.watch().liveChart()->resize(900, 520);
        QTest::qWait(90000);
        QVERIFY(rig.watch().liveChart()->grab().save(folder + QStringLiteral("/live-chart.png")));
    }
};

QTEST_MAIN(MonitorTest)
#include "test_monitor.moc"
