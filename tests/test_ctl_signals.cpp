// tl380ctl stopped by Ctrl-C or SIGTERM, and sending again only what is safe to send twice.
#include "CtlProcess.h"
#include "test_sim_process.h"

#include <QDateTime>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using simtest::Simulator;

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestCtlSignals : public QObject
{
    Q_OBJECT
private slots:
    void historyStoppedKeepsWholeRecords();
    void liveEndsWithinASecondOfSignal();
    void secondSignalEndsLongWait();
    void retriesSendOnlyWhatOnlyAsks_data();
    void retriesSendOnlyWhatOnlyAsks();
};

// At 9600 bit/s 70 records take seconds (2.1 s a piece): stopped after the first piece, the records kept are
// whole, status 5.
void TestCtlSignals::historyStoppedKeepsWholeRecords()
{
    QTemporaryDir dir;
    Simulator sim({}, dir.filePath(QStringLiteral("tty")));
    const QString out = dir.filePath(QStringLiteral("records.txt"));
    const QString from =
        QDateTime::currentDateTime().addSecs(-20 * 3600).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const CtlResult run =
        interruptedCtl({"history", "--from", from, "--count", "70", "-o", out, "--serial", sim.link}, {3000});
    QCOMPARE(run.status, 5);
    QVERIFY2(run.endedMs < 4000, QByteArray::number(run.endedMs));
    const QList<QByteArray> lines = contentOf(out).split('\n');
    QVERIFY(lines.size() > 2 && lines.size() < 71);
    QVERIFY2(
        run.err.contains("history: stopped; " + QByteArray::number(lines.size() - 1) + " whole records kept"),
        run.err);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        QVERIFY2(lines[i].startsWith("REC:") && lines[i].endsWith(';'), lines[i]);
}

void TestCtlSignals::liveEndsWithinASecondOfSignal()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    const CtlResult run = interruptedCtl({"live", "--every", "30", "--serial", sim.link}, {2000});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.endedMs < 3000, QByteArray::number(run.endedMs));
    QCOMPARE(run.out.count('\n'), 1);
}

// A gateway that takes the connection and never answers, a minute of --timeout: the
// first signal waits for the exchange in flight, the second ends it at once.
void TestCtlSignals::secondSignalEndsLongWait()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const CtlResult run = interruptedCtl(
        {"test", "--timeout", "60", "--gateway", QStringLiteral("127.0.0.1:%1").arg(server.serverPort())},
        {500, 1500});
    QCOMPARE(run.status, 5);
    QVERIFY2(run.endedMs < 2500, QByteArray::number(run.endedMs));
    QVERIFY2(run.err.contains("stopped by a second signal"), run.err);
}

void TestCtlSignals::retriesSendOnlyWhatOnlyAsks_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("sent");
    QTest::newRow("clock set") << QStringList{"clock", "--set", "now"} << 3 << 1;
    QTest::newRow("reset") << QStringList{"reset", "--yes"} << 3 << 1;
    QTest::newRow("send of a query's text") << QStringList{"send", "PPPPPP#CHEACK1#"} << 3 << 1;
    QTest::newRow("clock query") << QStringList{"clock"} << 0 << 2;
}

// The simulator ignores every other command: after one answered, the next is dropped.
void TestCtlSignals::retriesSendOnlyWhatOnlyAsks()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(int, sent);
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast"), QStringLiteral("--drop")}, dir.filePath(QStringLiteral("tty")));
    QCOMPARE(runCtl({"test", "--serial", sim.link}).status, 0);
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    const CtlResult run = runCtl(arguments + QStringList{"--retries", "2", "--timeout", "0.3", "--trace",
                                                         trace, "--serial", sim.link});
    QVERIFY2(run.status == status, run.err);
    QCOMPARE(contentOf(trace).count(" -> serial "), sent);
}

QTEST_GUILESS_MAIN(TestCtlSignals)
#include "test_ctl_signals.moc"
