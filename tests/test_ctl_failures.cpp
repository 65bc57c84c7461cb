// tl380ctl when the line goes wrong: a device that answers OK to everything, answers in
// two pieces, a collector that vanishes, a stop signal, a full disk, --dry-run.
#include "CtlProcess.h"
#include "test_sim_process.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using simtest::Simulator;

namespace {

QString written(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    QFile file(dir.filePath(QLatin1String(name)));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QStringList gatewayOf(const Simulator &sim)
{
    return {QStringLiteral("--gateway"), QStringLiteral("127.0.0.1:%1").arg(sim.port)};
}

// Settings on two pages, none of them the factory value.
const QByteArray changes = R"({"system": {"station_number": "42", "transmission_cycle": "15min",
    "power_output_delay": "07"},
    "channels": {"ain2_upper": "-1.5", "ain2_lower": "2", "ain2_start": "3", "pulse_equivalent_1": "7",
    "pulse_equivalent_2": "9", "ad1_source": "3 Direct Read RS485 Channel MAD3"},
    "rs485": {"baud_rate": "19200", "parity": "Even", "stop_bits": "2 bit", "rts_delay": "11"}})";

} // namespace

class TestCtlFailures : public QObject
{
    Q_OBJECT
private slots:
    void okToEverythingIsNoSuccess_data();
    void okToEverythingIsNoSuccess();
    void answersInTwoPiecesAreOneExchange();
    void answersCutAnywhereReadWhole_data();
    void answersCutAnywhereReadWhole();
    void writeTwiceSendsNothingTheSecondTime();
    void vanishedCollectorIsLinkError_data();
    void vanishedCollectorIsLinkError();
    void historyCutOffIsLinkError();
    void stopSignalEndsWriteBetweenExchanges();
    void fullDiskIsFailure();
    void dryRunSendsNoByte();
    void usageErrorSendsNothing_data();
    void usageErrorSendsNothing();
    void noRecordIsNoRecord();
    void retriesRecoverDroppedCommands();
    void serialOnlySettingsSkippedOverGateway();
    void timeoutIsSilenceNotWholeAnswer();
    void bareSerialNameIsLookedForInDev();
};

void TestCtlFailures::okToEverythingIsNoSuccess_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("named");
    QTest::newRow("read") << QStringList{"read", "system"} << QByteArray("system.station_number");
    QTest::newRow("write") << QStringList{"write", "PROFILE"} << QByteArray("system.station_number");
    QTest::newRow("clock") << QStringList{"clock"} << QByteArray("year, month, day, hour, minute");
    QTest::newRow("live") << QStringList{"live", "--count", "1"} << QByteArray("station, collector_time");
    QTest::newRow("test") << QStringList{"test"} << QByteArray("no communication test answer");
}

// A modem, or the wrong device on the port: every answer "OK", so no value comes back.
void TestCtlFailures::okToEverythingIsNoSuccess()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, named);
    QTemporaryDir dir;
    arguments.replaceInStrings(QStringLiteral("PROFILE"), written(dir, "p.json", changes));
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    connect(&server, &QTcpServer::newConnection, this, [&server] {
        QTcpSocket *peer = server.nextPendingConnection();
        connect(peer, &QTcpSocket::readyRead, peer, [peer] {
            peer->readAll();
            peer->write("OK");
        });
    });
    const CtlResult run =
        runCtl(arguments + QStringList{"--timeout", "0.5", "--gateway",
                                       QStringLiteral("127.0.0.1:%1").arg(server.serverPort())});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(named), run.err);
}

// With every answer in two halves 150 ms apart the serial link frames two pieces:
// they make one answer, and every setting still reads and writes back the same.
void TestCtlFailures::answersInTwoPiecesAreOneExchange()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast"), QStringLiteral("--split"), QStringLiteral("150")},
                  dir.filePath(QStringLiteral("tty")));
    const QString profile = written(dir, "p.json", changes);
    const CtlResult write = runCtl({"write", profile, "--restore", "--serial", sim.link});
    QVERIFY2(write.status == 0, write.out + write.err);
    QVERIFY2(write.out.contains("13 changed, 0 already right, 0 failed"), write.out);
    const CtlResult read = runCtl({"read", "system", "gprs", "--serial", sim.link});
    QCOMPARE(read.status, 0);
    QVERIFY2(read.out.contains("\"station_number\": \"00042\"") && read.out.contains("\"apn\": \"CMNET\""),
             read.out);
    QCOMPARE(runCtl({"diff", profile, "--serial", sim.link}).status, 0);
}

// The collector is read first; what it holds already is not sent again, compared by
// the bytes the commands send ("42" is the station number "00042").
void TestCtlFailures::answersCutAnywhereReadWhole_data()
{
    QTest::addColumn<bool>("gateway");
    QTest::addColumn<QString>("splitMs");
    // Past the serial framing (100 ms) and the gateway's read wait (300 ms): the halves come apart.
    QTest::newRow("serial") << false << "150";
    QTest::newRow("gateway") << true << "450";
}

// Every answer comes in two pieces, cut in its middle (inside a field or between two):
// read gives the same profile as from a collector that answers in one.
void TestCtlFailures::answersCutAnywhereReadWhole()
{
    QFETCH(bool, gateway);
    QFETCH(QString, splitMs);
    QTemporaryDir dir;
    Simulator whole({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("one")));
    Simulator cut({QStringLiteral("--fast"), QStringLiteral("--split"), splitMs},
                  dir.filePath(QStringLiteral("two")));
    auto link = [gateway](const Simulator &sim) {
        return gateway ? QStringList{"--gateway", QStringLiteral("127.0.0.1:%1").arg(sim.port)}
                       : QStringList{"--serial", sim.link};
    };
    const CtlResult expected = runCtl(QStringList{"read"} + link(whole));
    const CtlResult read = runCtl(QStringList{"read"} + link(cut));
    QCOMPARE(read.status, 0);
    QVERIFY(read.out.contains("\"slot1_command\""));
    QCOMPARE(read.out, expected.out);
}

void TestCtlFailures::writeTwiceSendsNothingTheSecondTime()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    const QString profile = written(dir, "p.json", changes);
    QCOMPARE(runCtl(QStringList{"write", profile, "--restore"} + gatewayOf(sim)).status, 0);
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    const CtlResult again =
        runCtl(QStringList{"write", profile, "--restore", "--json", "--trace", trace} + gatewayOf(sim));
    QCOMPARE(again.status, 0);
    QFile sent(trace);
    QVERIFY(sent.open(QIODevice::ReadOnly));
    QVERIFY2(!sent.readAll().contains("CFGSET"), "a setting was sent again");
    QVERIFY2(again.out.startsWith("{\"already_right\":[\"system.station_number\""), again.out);
}

void TestCtlFailures::vanishedCollectorIsLinkError_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("gateway");
    QTest::addColumn<QByteArray>("message");
    const QString from =
        QDateTime::currentDateTime().addSecs(-20 * 3600).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QStringList history{"history", "--from", from, "--count", "70", "-o", "OUT"};
    QTest::newRow("read, serial") << QStringList{"read"} << false << QByteArray("the line hung up");
    QTest::newRow("write, gateway") << QStringList{"write", "PROFILE", "--all"} << true
                                    << QByteArray("not written: ");
    QTest::newRow("history, serial") << history << false << QByteArray("whole records kept");
}

// The simulator at 9600 bit/s, killed 1.5 s into the command.
void TestCtlFailures::vanishedCollectorIsLinkError()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, gateway);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    auto sim = std::make_unique<Simulator>(QStringList{}, dir.filePath(QStringLiteral("tty")));
    const QString out = dir.filePath(QStringLiteral("records.txt"));
    arguments.replaceInStrings(QStringLiteral("PROFILE"), written(dir, "p.json", changes));
    arguments.replaceInStrings(QStringLiteral("OUT"), out);
    arguments += gateway ? gatewayOf(*sim) : QStringList{"--serial", sim->link};
    const CtlResult run = runCtl(arguments, 1500, [&sim](QProcess &) { sim.reset(); });
    QCOMPARE(run.status, 3);
    QVERIFY2(run.err.contains(message), run.err);
    QFile records(out);
    if (arguments.first() == QLatin1String("history")) {
        QVERIFY(records.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = records.readAll().split('\n');
        QVERIFY(lines.size() > 2);
        QVERIFY2(run.err.contains(QByteArray::number(lines.size() - 1) + " whole records kept"), run.err);
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith("REC:") && lines[i].endsWith(';'), lines[i]);
    }
}

// Over the gateway two records and half of a third, then the connection ends.
void TestCtlFailures::historyCutOffIsLinkError()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    connect(&server, &QTcpServer::newConnection, this, [&server] {
        QTcpSocket *peer = server.nextPendingConnection();
        connect(peer, &QTcpSocket::readyRead, peer, [peer] {
            peer->readAll();
            peer->write(
                "REC:001;TM:26-01-02 03:15;V:12.5;\r\nREC:002;TM:26-01-02 03:30;V:12.5;\r\nREC:003;TM:26-0");
            peer->disconnectFromHost();
        });
    });
    const CtlResult run = runCtl({"history", "--from", "2026-01-02 03:04", "--count", "5", "--json",
                                  "--gateway", QStringLiteral("127.0.0.1:%1").arg(server.serverPort())});
    QCOMPARE(run.status, 3);
    QVERIFY2(run.err.contains("the gateway closed the connection; 2 whole records kept"), run.err);
    QCOMPARE(run.out, QByteArray("{\"REC\":\"001\",\"TM\":\"26-01-02 03:15\",\"V\":\"12.5\"}\n"
                                 "{\"REC\":\"002\",\"TM\":\"26-01-02 03:30\",\"V\":\"12.5\"}\n"));
}

// Stopped half-way, the write names what it sent; run again, it completes the rest.
void TestCtlFailures::stopSignalEndsWriteBetweenExchanges()
{
    QTemporaryDir dir;
    Simulator sim({}, dir.filePath(QStringLiteral("tty")));
    const QString profile = written(dir, "p.json", changes);
    const CtlResult stopped = runCtl({"write", profile, "--restore", "--serial", sim.link}, 1200,
                                     [](QProcess &p) { ::kill(pid_t(p.processId()), SIGINT); });
    QCOMPARE(stopped.status, 5);
    QVERIFY2(stopped.err.contains("stopped by a signal; written: system.station_number"), stopped.err);
    QVERIFY2(stopped.err.contains("not written: ") && stopped.out.contains(": not written\n"), stopped.err);
    const CtlResult rest = runCtl({"write", profile, "--restore", "--serial", sim.link});
    QCOMPARE(rest.status, 0);
    QVERIFY2(rest.out.contains(" already right, 0 failed") && !rest.out.startsWith("0 changed"), rest.out);
    QCOMPARE(runCtl({"diff", profile, "--serial", sim.link}).out, QByteArray());
}

void TestCtlFailures::fullDiskIsFailure()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    const CtlResult toFile = runCtl({"read", "system", "-o", "/dev/full", "--serial", sim.link});
    QCOMPARE(toFile.status, 4);
    QVERIFY2(toFile.err.contains("-o /dev/full: cannot write"), toFile.err);
    QProcess redirected;
    redirected.setStandardOutputFile(QStringLiteral("/dev/full"));
    redirected.start(QStringLiteral(TL380CTL_PATH), {"read", "system", "--serial", sim.link});
    QVERIFY(redirected.waitForFinished(20000));
    QCOMPARE(redirected.exitCode(), 4);
}

// Every command that sends, with --dry-run: the collector receives nothing.
void TestCtlFailures::dryRunSendsNoByte()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast"), QStringLiteral("--log")}, dir.filePath(QStringLiteral("tty")));
    const QString profile = written(dir, "p.json", changes);
    const QList<QStringList> commands{{"test"},
                                      {"read"},
                                      {"write", profile},
                                      {"diff", profile},
                                      {"clock", "--set", "2026-01-02 03:04"},
                                      {"live"},
                                      {"history", "--from", "2026-01-02 03:04", "--count", "5"},
                                      {"send", "PPPPPP#CHEACK1#"},
                                      {"reset", "--yes"}};
    for (const QStringList &command : commands) {
        const CtlResult run = runCtl(command + QStringList{"--dry-run", "--serial", sim.link});
        QVERIFY2(run.status == 0 && !run.out.isEmpty(), qPrintable(command.first() + run.err));
    }
    QTest::qWait(300);
    const QByteArray log = sim.process().readAllStandardError();
    QVERIFY2(!log.contains("<-"), log);
}

void TestCtlFailures::usageErrorSendsNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("stray word") << QStringList{"clock", "now"} << QByteArray("clock: \"now\" is no word");
    QTest::newRow("unknown command") << QStringList{"tets"} << QByteArray("did you mean \"test\"?");
    QTest::newRow("timeout nan") << QStringList{"test", "--timeout", "nan"} << QByteArray("from 0.2 to 3600");
    QTest::newRow("clock year") << QStringList{"clock", "--set", "2112-05-06 07:08"}
                                << QByteArray("the year 2112 is outside 2012 to 2050");
    QTest::newRow("history year") << QStringList{"history", "--from", "2112-05-06 07:08", "--count", "2"}
                                  << QByteArray("the year 2112 is outside");
    QTest::newRow("empty send") << QStringList{"send", ""} << QByteArray("the TEXT is empty");
    QTest::newRow("output folder missing")
        << QStringList{"read", "system", "-o", "/nonexistent/x.json"} << QByteArray("nothing was sent");
    QTest::newRow("test --set") << QStringList{"test", "--set", "now"} << QByteArray("test takes no --set");
    QTest::newRow("read --all") << QStringList{"read", "--all"} << QByteArray("read takes no --all");
    QTest::newRow("live --from") << QStringList{"live", "--from", "2026-01-02 03:04"}
                                 << QByteArray("live takes no --from");
    QTest::newRow("options read does not take")
        << QStringList{"read", "--yes", "--every", "3", "--clear-history"}
        << QByteArray("read takes no --yes, --every, --clear-history (its own: --json, --template)");
    QTest::newRow("send --json") << QStringList{"send", "PPPPPP#VAR#", "--json"}
                                 << QByteArray("send takes no --json");
    QTest::newRow("reset --json") << QStringList{"reset", "--yes", "--json"}
                                  << QByteArray("reset takes no --json");
    QTest::newRow("live --csv --json")
        << QStringList{"live", "--csv", "--json"} << QByteArray("give --json or --csv, not both");
    QTest::newRow("write --set") << QStringList{"write", "p.json", "--set", "now"}
                                 << QByteArray("--set now: give page.key=VALUE");
    QTest::newRow("empty serial") << QStringList{"test", "--serial", ""}
                                  << QByteArray("--serial: give the DEVICE");
    QTest::newRow("signed port") << QStringList{"test", "--gateway", "127.0.0.1:+80"}
                                 << QByteArray("the port is a number from 1 to 65535");
}

// Everything is checked, and the output created, before the first byte.
void TestCtlFailures::usageErrorSendsNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    if (!arguments.contains(QStringLiteral("--serial")) && !arguments.contains(QStringLiteral("--gateway")))
        arguments += QStringList{"--serial", sim.link};
    const CtlResult run = runCtl(arguments + QStringList{"--trace", trace});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), run.err);
    QCOMPARE(QFileInfo(trace).size(), 0);
}

// "NO RECORD" answers a history query with no record in the range: zero records, done.
void TestCtlFailures::noRecordIsNoRecord()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    const CtlResult run = runCtl(
        {"history", "--from", "2049-01-01 00:00", "--count", "5", "--timeout", "0.3", "--serial", sim.link});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.contains("history: no records from 2049-01-01 00:00"), run.err);
}

// The simulator ignores every other command: sent again, each is answered.
void TestCtlFailures::retriesRecoverDroppedCommands()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast"), QStringLiteral("--drop")}, dir.filePath(QStringLiteral("tty")));
    const CtlResult run =
        runCtl({"read", "system", "channels", "--retries", "1", "--timeout", "0.5", "--serial", sim.link});
    QVERIFY2(run.status == 0, run.err);
    QVERIFY(run.out.contains("\"station_number\": \"00012\""));
}

// A profile read over the serial port, written over the gateway: its serial-only settings are left out.
void TestCtlFailures::serialOnlySettingsSkippedOverGateway()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    const QString profile =
        written(dir, "p.json", R"({"system": {"station_number": "7"}, "gprs": {"apn": "x", "user": "u"}})");
    const CtlResult run =
        runCtl(QStringList{"write", profile, "--skip-serial-only", "--restore"} + gatewayOf(sim));
    QVERIFY2(run.status == 0, run.err);
    QVERIFY2(run.err.contains("skipped, set over the serial link only: gprs.apn, gprs.user"), run.err);
    QVERIFY2(run.out.endsWith("1 changed, 0 already right, 0 failed\n"), run.out);
}

// At 9600 bit/s the first 2048-byte piece of 20 records takes 2.1 s: bytes flowing are no silence.
void TestCtlFailures::timeoutIsSilenceNotWholeAnswer()
{
    QTemporaryDir dir;
    Simulator sim({}, dir.filePath(QStringLiteral("tty")));
    const QString from =
        QDateTime::currentDateTime().addSecs(-20 * 3600).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const CtlResult run =
        runCtl({"history", "--from", from, "--count", "20", "--timeout", "0.5", "--serial", sim.link});
    QVERIFY2(run.status == 0, run.err);
    QCOMPARE(run.out.count('\n'), 20);
}

// The port library opens a bare name in /dev, whatever the working folder holds: said so.
void TestCtlFailures::bareSerialNameIsLookedForInDev()
{
    const CtlResult run = runCtl({"test", "--serial", "ttyNoSuchAdapter"});
    QCOMPARE(run.status, 3);
    QVERIFY2(
        run.err.contains("ttyNoSuchAdapter: cannot open (opened as /dev/ttyNoSuchAdapter): no such device"),
        run.err);
}

QTEST_GUILESS_MAIN(TestCtlFailures)
#include "test_ctl_failures.moc"
