#include "PtyPair.h"
#include "test_faults_rig.h"

#include <QProcess>
#include <QSerialPort>

#include <cstring>
#include <memory>

// Faults on the serial link: the device vanishing, a write cut off, a device held
// by another program, writes while closed, a reply dripping in, error boxes left
// open while data keeps coming. Each ends with the window answering, the error
// the collector's tool gives (or none) and nothing it held lost.
class FaultsSerialTest : public QObject
{
    Q_OBJECT

    static constexpr const char *SystemReply = "TQ1:00012;TM:2506151230;SA:3;SD:01;DY:05;ER:010;";

private slots:
    void deviceVanishesWhileOpen_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("station");
        QTest::addColumn<int>("codeAfter");
        QTest::newRow("idle, query sent") << QByteArray() << QString("00000") << 101;
        QTest::newRow("half a reply in the framer") << QByteArray("TQ1:00012;TM") << QString("00012") << 0;
        QTest::newRow("whole reply in the framer") << QByteArray(SystemReply) << QString("00012") << 0;
    }
    void deviceVanishesWhileOpen()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, station);
        QFETCH(int, codeAfter);
        auto pty = std::make_unique<PtyPair>();
        FaultWindow w;
        w.setText("Edit7", "00000");
        w.openSerial(pty->slavePath());
        w.click("Button32");
        QCOMPARE(pty->read(), QByteArray("PPPPPP#CHEACK1#"));
        pty->write(before);
        // Within the 100 ms that end a piece: the bytes are still in the framer.
        QTest::qWait(30);
        pty->hangUp();
        // What came before the device vanished is delivered and parsed.
        QTRY_COMPARE(w.text("Memo8"), QString::fromLatin1(before));
        QTest::qWait(400);
        QCOMPARE(w.text("Edit7"), station);
        QCOMPARE(w.exchange.ExpectedReplyCode, codeAfter);
        QVERIFY(boxTexts().isEmpty());
        QCOMPARE(w.text("Button10"), QStringLiteral("Close"));
        QVERIFY(w.exchange.PortOpen);

        QVERIFY(w.answersAClick());
        QVERIFY(boxTexts().isEmpty());
        w.click("Button10");
        QCOMPARE(w.text("Button10"), QStringLiteral("Open"));

        // The device is back (as a new line): the same window carries on.
        PtyPair back;
        w.openSerial(back.slavePath());
        QCOMPARE(w.text("Button10"), QStringLiteral("Close"));
        w.click("Button32");
        QCOMPARE(back.read(), QByteArray("PPPPPP#CHEACK1#"));
        back.write("TQ1:00099;");
        QTRY_COMPARE(w.text("Edit7"), QStringLiteral("00099"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 0);
        QVERIFY(boxTexts().isEmpty());
    }

    void deviceVanishesWhileAWriteIsInFlight()
    {
        auto pty = std::make_unique<PtyPair>();
        FaultWindow w;
        w.openSerial(pty->slavePath());
        // Far more than the line holds: the collector side reads nothing, so most of it waits.
        QVERIFY(w.comm()->WritePort(QByteArray(512 * 1024, 'W')));
        QTest::qWait(200);
        pty->hangUp();
        QTest::qWait(300);
        QVERIFY(boxTexts().isEmpty());

        // Writing to the vanished device sends nothing and says nothing.
        w.click("Button14");
        QCOMPARE(w.text("discomm"), QStringLiteral("PPPPPP#VAR#"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 1003);
        QTest::qWait(100);
        QVERIFY(boxTexts().isEmpty());

        QElapsedTimer closing;
        closing.start();
        w.click("Button10");
        QVERIFY2(closing.elapsed() < 1000, qPrintable(QString::number(closing.elapsed())));
        QCOMPARE(w.text("Button10"), QStringLiteral("Open"));

        // Nothing of the abandoned write follows the next command.
        PtyPair back;
        w.openSerial(back.slavePath());
        w.click("Button14");
        QCOMPARE(back.read(), QByteArray("PPPPPP#VAR#"));
    }

    void deviceHeldByAnotherProgram()
    {
        PtyPair pty;
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), pty.slavePath()});
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

        FaultWindow w;
        w.openSerial(pty.slavePath());
        QTRY_COMPARE(openBoxes().size(), 1);
        QCOMPARE(boxTexts(), QStringList({"Error opening serial port."}));
        QCOMPARE(w.text("Button10"), QStringLiteral("Close"));
        QVERIFY(!w.get("Button14")->isEnabled());
        w.click("Button10");
        QCOMPARE(w.text("Button10"), QStringLiteral("Open"));
        QVERIFY(boxTexts().isEmpty());

        // The other program lets go: the same device opens.
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        w.click("Button10");
        QCOMPARE(w.text("Button10"), QStringLiteral("Close"));
        QVERIFY(boxTexts().isEmpty());
        w.click("Button14");
        QCOMPARE(pty.read(), QByteArray("PPPPPP#VAR#"));
    }

    void writesWhileClosed_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("never opened") << 0;
        QTest::newRow("opened and closed") << 1;
        QTest::newRow("open failed, caption Close") << 2;
    }
    void writesWhileClosed()
    {
        QFETCH(int, how);
        PtyPair pty;
        FaultWindow w;
        w.pick("ComboBox2", 0);
        if (how == 1) {
            w.openSerial(pty.slavePath());
            w.click("Button10");
            QCOMPARE(w.text("Button10"), QStringLiteral("Open"));
        } else if (how == 2) {
            w.openSerial(QStringLiteral("/dev/tl380-no-such-device"));
            QCOMPARE(boxTexts(), QStringList({"Error opening serial port."}));
            QCOMPARE(w.text("Button10"), QStringLiteral("Close"));
        }
        w.get<QPlainTextEdit>("Memo8")->setPlainText(QStringLiteral("old"));
        w.click("Button32");
        QCOMPARE(w.text("discomm"), QStringLiteral("PPPPPP#CHEACK1#"));
        QVERIFY(w.text("Memo8").isEmpty());
        QCOMPARE(w.exchange.ExpectedReplyCode, 101);
        QCOMPARE(pty.read(300), QByteArray());
        QVERIFY(boxTexts().isEmpty());
    }

    void replyArrivingOneByteEvery50ms()
    {
        PtyPair pty;
        FaultWindow w;
        QList<QByteArray> pieces;
        connect(w.comm(), &TComm::ReceiveData, this, [&](const QByteArray &piece) { pieces << piece; });
        w.openSerial(pty.slavePath());
        w.click("Button32");
        QCOMPARE(pty.read(), QByteArray("PPPPPP#CHEACK1#"));
        Heartbeat heartbeat;
        for (const char c : QByteArray(SystemReply)) {
            pty.write(QByteArray(1, c));
            QTest::qWait(50);
        }
        // Gaps under 100 ms: one piece, parsed whole.
        QTRY_COMPARE(pieces.join(), QByteArray(SystemReply));
        QCOMPARE(pieces.size(), 1);
        QTRY_COMPARE(w.exchange.ExpectedReplyCode, 0);
        QCOMPARE(w.text("Memo8"), QString::fromLatin1(SystemReply));
        QCOMPARE(w.text("Edit7"), QStringLiteral("00012"));
        QVERIFY(boxTexts().isEmpty());
        QVERIFY2(heartbeat.longestMs() < 1000, qPrintable(QString::number(heartbeat.longestMs())));
    }

    void errorBoxOpenWhileMoreDataArrivesAndParses()
    {
        PtyPair pty;
        FaultWindow w;
        w.openSerial(pty.slavePath());
        w.click("Button32");
        QCOMPARE(pty.read(), QByteArray("PPPPPP#CHEACK1#"));

        pty.write("TQ1:00012;TM:2506151230;SA:3;SD:0a;DY:05;ER:010;");
        QTRY_COMPARE(openBoxes().size(), 1);
        QCOMPARE(w.text("Edit7"), QStringLiteral("00012"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 101);

        // The box stays open; the next piece is received, shown and parsed again.
        QTest::qWait(150);
        pty.write("TQ1:00034;SD:0b;");
        QTRY_COMPARE(openBoxes().size(), 2);
        QCOMPARE(w.text("Memo8"), QStringLiteral("TQ1:00034;SD:0b;"));
        QCOMPARE(w.text("Edit7"), QStringLiteral("00034"));

        QTest::qWait(150);
        pty.write("TQ1:00056;TM:2506151230;SA:3;SD:01;DY:05;ER:010;");
        QTRY_COMPARE(w.exchange.ExpectedReplyCode, 0);
        QCOMPARE(w.text("Edit7"), QStringLiteral("00056"));
        QCOMPARE(w.exchange.ReplyText, QByteArray());
        QCOMPARE(openBoxes().size(), 2);

        QStringList texts = boxTexts();
        texts.sort();
        QCOMPARE(texts,
                 QStringList({"'0a' is not a valid integer value.", "'0b' is not a valid integer value."}));
        QVERIFY(w.answersAClick());
        QCOMPARE(pty.read(), QByteArray("PPPPPP#CHEACK1#"));
    }

    void vanishedDeviceCostsUnderFivePercentOfACore()
    {
        auto pty = std::make_unique<PtyPair>();
        FaultWindow w;
        w.openSerial(pty->slavePath());
        w.click("Button14");
        QCOMPARE(pty->read(), QByteArray("PPPPPP#VAR#"));
        pty->hangUp();
        QTest::qWait(500);

        QElapsedTimer clock;
        clock.start();
        const double before = processorSeconds();
        QTest::qWait(10000);
        const double share = (processorSeconds() - before) / (double(clock.elapsed()) / 1000.0);
        qInfo("processor use after the device vanished: %.2f %% of a core over %.1f s", share * 100.0,
              double(clock.elapsed()) / 1000.0);
        QVERIFY2(share < 0.05, qPrintable(QString::number(share * 100.0)));
        QVERIFY(w.answersAClick());
    }
};

// "--hold PATH": plays another program that keeps the serial device open until
// its standard input closes.
static int holdDevice(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QSerialPort port(QString::fromLocal8Bit(argv[2]));
    if (!port.open(QIODevice::ReadWrite))
        return 1;
    std::puts("held");
    std::fflush(stdout);
    char c;
    while (std::fread(&c, 1, 1, stdin) == 1) {
    }
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--hold") == 0)
        return holdDevice(argc, argv);
    QApplication app(argc, argv);
    FaultsSerialTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_faults_serial.moc"
