// tl380ctl against the simulator program, over the pseudo-terminal and over the gateway.
#include "CtlProcess.h"
#include "test_sim_process.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using simtest::Simulator;

namespace {

QStringList linkOf(const Simulator &sim, bool gateway)
{
    if (gateway)
        return {QStringLiteral("--gateway"), QStringLiteral("127.0.0.1:%1").arg(sim.port)};
    return {QStringLiteral("--serial"), sim.link};
}

QString written(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    QFile file(dir.filePath(QLatin1String(name)));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestCtlProgram : public QObject
{
    Q_OBJECT
private slots:
    void readWriteDiff_data();
    void readWriteDiff();
    void profileFaultSendsNothing_data();
    void profileFaultSendsNothing();
    void historyKeepsEveryRecord_data();
    void historyKeepsEveryRecord();
    void droppedCommandIsLinkError();
    void traceHoldsEachExchangeInOrder();
};

void TestCtlProgram::readWriteDiff_data()
{
    QTest::addColumn<bool>("gateway");
    QTest::newRow("serial") << false;
    QTest::newRow("gateway") << true;
}

// A profile read from one collector and written to a fresh one makes the two read back the same.
void TestCtlProgram::readWriteDiff()
{
    QFETCH(bool, gateway);
    QTemporaryDir dir;
    Simulator first({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty1")));
    Simulator second({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty2")));

    // The first collector no longer holds factory values.
    const QByteArray changes = R"({"system": {"station_number": "00321", "transmission_cycle": "15min"},
        "channels": {"ad5_source": "3 Direct Read RS485 Channel MAD3", "ain2_upper": "-1.50", "ain2_lower": "00002", "ain2_start": "00003"},
        "rs485": {"baud_rate": "19200", "parity": "Even", "stop_bits": "2 bit"},
        "slots": {"slot1_enable": "1-Open", "slot1_command": "0A0B"}})";
    const CtlResult changed = runCtl(
        QStringList{"write", written(dir, "changes.json", changes), "--restore"} + linkOf(first, gateway));
    QVERIFY2(changed.status == 0, changed.out + changed.err);

    const QString profile = dir.filePath(QStringLiteral("profile.json"));
    const CtlResult read = runCtl(QStringList{"read", "-o", profile} + linkOf(first, gateway));
    QCOMPARE(read.status, 0);
    const QJsonObject pages = QJsonDocument::fromJson(contentOf(profile)).object();
    QCOMPARE(pages[QStringLiteral("system")][QStringLiteral("station_number")].toString(),
             QStringLiteral("00321"));
    QCOMPARE(pages.contains(QStringLiteral("gprs")), !gateway);

    const CtlResult before = runCtl(QStringList{"diff", profile} + linkOf(second, gateway));
    QCOMPARE(before.status, 1);
    QVERIFY(before.out.contains("system.station_number: collector \"00012\", profile \"00321\""));

    // Cloned, the second collector keeps its own station number and says so, once.
    const CtlResult write = runCtl(QStringList{"write", profile} + linkOf(second, gateway));
    QVERIFY2(write.status == 0, write.out + write.err);
    QVERIFY2(write.out.contains("system.station_number: kept as the collector's own"), write.out);
    const CtlResult diff = runCtl(QStringList{"diff", profile} + linkOf(second, gateway));
    QCOMPARE(diff.status, 0);
    QCOMPARE(diff.out,
             QByteArray("system.station_number: collector \"00012\", profile \"00321\" (identifies the "
                        "collector: write keeps it)\n"));
    // Its own value given, it takes that one; a backup restored takes the profile's.
    QCOMPARE(runCtl(QStringList{"write", profile, "--set", "system.station_number=00077"} +
                    linkOf(second, gateway))
                 .status,
             0);
    QVERIFY(runCtl(QStringList{"read", "system"} + linkOf(second, gateway)).out.contains("\"00077\""));
    QCOMPARE(runCtl(QStringList{"write", profile, "--restore"} + linkOf(second, gateway)).status, 0);
    QCOMPARE(runCtl(QStringList{"diff", profile, "--restore"} + linkOf(second, gateway)).out, QByteArray());
}

void TestCtlProgram::profileFaultSendsNothing_data()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<bool>("gateway");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("invalid JSON") << QByteArray("{\n  \"system\": {\"station_number\" \"1\"}\n}") << false
                                  << QByteArray("line 2, column");
    QTest::newRow("unknown key")
        << QByteArray(R"({"system": {"station_numbr": "1"}})") << false
        << QByteArray("system.station_numbr: unknown key; did you mean \"system.station_number\"");
    QTest::newRow("unknown page") << QByteArray(R"({"sytem": {}})") << false
                                  << QByteArray("did you mean \"system\"");
    QTest::newRow("not an item") << QByteArray(R"({"system": {"transmission_cycle": "7min"}})") << false
                                 << QByteArray("\"NO_SEND\", \"1min\", \"5min\"");
    QTest::newRow("refused character") << QByteArray(R"({"system": {"station_number": "12a"}})") << false
                                       << QByteArray("has 'a'; allowed: digits 0-9");
    QTest::newRow("too long in GBK bytes") << QByteArray(R"({"gprs": {"password": "密码密码密码"}})") << false
                                           << QByteArray("is 12 GBK bytes long; allowed: at most 11");
    QTest::newRow("sent together") << QByteArray(R"({"rs485": {"parity": "Odd"}})") << false
                                   << QByteArray("rs485.baud_rate, rs485.stop_bits; give them too");
    QTest::newRow("odd frame") << QByteArray(
                                      R"({"slots": {"slot3_enable": "0-Close", "slot3_command": "ABC"}})")
                               << false << QByteArray("slots.slot3_command: Input data must not be singular");
    QTest::newRow("serial only over the gateway")
        << QByteArray(R"({"system": {"station_number": "1"}, "gprs": {"apn": "x"}})") << true
        << QByteArray("need the serial link (--serial): gprs.apn; nothing sent");
    // A value cannot end its own command and smuggle another in.
    QTest::newRow("command separator") << QByteArray(R"({"gprs": {"apn": "x#CFGSET#RESET#"}})") << false
                                       << QByteArray("gprs.apn: \"x#CFGSET#RESET#\" has '#'");
    QTest::newRow("text end") << QByteArray(R"({"gprs": {"centre_name": "x!#CFGSET#ST:00777#"}})") << false
                              << QByteArray("gprs.centre_name: \"x!#CFGSET#ST:00777#\" has '!'");
    QTest::newRow("field separator") << QByteArray(R"({"gprs": {"user": "a;IWD:b"}})") << false
                                     << QByteArray("gprs.user: \"a;IWD:b\" has ';'");
    QTest::newRow("newline") << QByteArray(R"({"gprs": {"password": "a\nb"}})") << false
                             << QByteArray("gprs.password: the value holds a control character (U+000a)");
    QTest::newRow("given twice")
        << QByteArray("{\"system\": {\"station_number\": \"1\",\n\"station_number\": \"2\"}}") << false
        << QByteArray("line 2: \"station_number\" given twice");
    QTest::newRow("would wrap") << QByteArray(R"({"system": {"power_output_delay": "99"}})") << false
                                << QByteArray(
                                       "system.power_output_delay: \"99\" would go out as another value; "
                                       "allowed: 0 to 90");
    QTest::newRow("clears the history")
        << QByteArray(R"({"system": {"data_retention_period": "清除历史数据"}})") << false
        << QByteArray("add --clear-history to send it");
    // One good setting and one bad: the good one is not sent either.
    QTest::newRow("good beside bad")
        << QByteArray(R"({"system": {"station_number": "1", "power_output_delay": "x"}})") << false
        << QByteArray("system.power_output_delay");
}

void TestCtlProgram::profileFaultSendsNothing()
{
    QFETCH(QByteArray, profile);
    QFETCH(bool, gateway);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    const CtlResult run = runCtl(QStringList{"write", written(dir, "p.json", profile), "--trace", trace} +
                                 linkOf(sim, gateway));
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), run.err);
    QCOMPARE(contentOf(trace), QByteArray());
}

void TestCtlProgram::historyKeepsEveryRecord_data()
{
    readWriteDiff_data();
}

// Records come back to back, cut into pieces wherever the link cuts (2048 bytes on the serial port);
// joined again, each reaches the file whole, as received, one a line.
void TestCtlProgram::historyKeepsEveryRecord()
{
    QFETCH(bool, gateway);
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    const QString file = dir.filePath(QStringLiteral("history.txt"));
    // The simulator keeps a record every 15 minutes up to its start.
    const QString from =
        QDateTime::currentDateTime().addSecs(-20 * 3600).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const CtlResult run =
        runCtl(QStringList{"history", "--from", from, "--count", "80", "--timeout", "1", "-o", file} +
               linkOf(sim, gateway));
    QVERIFY2(run.status == 0, run.err);
    const QList<QByteArray> records = contentOf(file).trimmed().split('\n');
    QCOMPARE(records.size(), 80);
    for (const QByteArray &record : records)
        QVERIFY2(record.startsWith("REC:") && record.trimmed().endsWith(';'), record);
}

// A collector that ignores a command is a link error once the timeout has passed, not a hang.
void TestCtlProgram::droppedCommandIsLinkError()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast"), QStringLiteral("--drop")}, dir.filePath(QStringLiteral("tty")));
    QElapsedTimer took;
    took.start();
    const CtlResult run = runCtl({"read", "system", "channels", "--timeout", "1", "--serial", sim.link});
    QCOMPARE(run.status, 3);
    QVERIFY2(run.err.contains(sim.link.toUtf8() + ": no answer within 1 s"), run.err);
    QVERIFY2(took.elapsed() < 3000, QByteArray::number(took.elapsed()));
}

void TestCtlProgram::traceHoldsEachExchangeInOrder()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    QCOMPARE(runCtl({"read", "system", "channels", "--trace", trace, "--gateway",
                     QStringLiteral("127.0.0.1:%1").arg(sim.port)})
                 .status,
             0);
    const QList<QByteArray> lines = contentOf(trace).split('\n');
    QCOMPARE(lines.size(), 5); // four lines and the empty rest after the last line break
    const char *const expected[] = {"-> gateway ZZZZPPPPPP#CHEACK1#", "<- gateway TQ1:00012;",
                                    "-> gateway ZZZZPPPPPP#CHEACK3#", "<- gateway AD1:01;"};
    QByteArray previousStamp;
    for (int i = 0; i < 4; ++i) {
        const QByteArray stamp = lines[i].left(23);
        QVERIFY2(QDateTime::fromString(QString::fromLatin1(stamp), QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
                     .isValid(),
                 lines[i]);
        QVERIFY(stamp >= previousStamp);
        previousStamp = stamp;
        QVERIFY2(lines[i].mid(24).startsWith(expected[i]), lines[i]);
    }
}

QTEST_GUILESS_MAIN(TestCtlProgram)
#include "test_ctl_program.moc"
