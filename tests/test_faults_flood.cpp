#include "PtyPair.h"
#include "link/ReceiveBuffer.h"
#include "test_faults_rig.h"

#include "commands/Gbk.h"

// A megabyte arriving at once on each link: every byte reaches the receive path
// in order, the window is never held up for a second or more, and the process
// stays within its memory bound.
class FaultsFloodTest : public QObject
{
    Q_OBJECT

    static constexpr qsizetype Megabyte = 1024 * 1024;
    // Peak resident memory of this test process, whole window included.
    static constexpr double MemoryBoundMiB = 250.0;

    static QByteArray flood(const QByteArray &unit)
    {
        QByteArray bytes;
        bytes.reserve(Megabyte);
        while (bytes.size() < Megabyte)
            bytes += unit;
        bytes.truncate(Megabyte);
        return bytes;
    }

    static void floods()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one line") << flood("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
        QTest::newRow("CR LF every 64 bytes") << flood(QByteArray(62, 'x') + "\r\n");
        QTest::newRow("NUL every 1000 bytes") << flood(QByteArray(999, 'y') + '\0');
        QTest::newRow("every byte value") << flood([] {
            QByteArray all;
            for (int i = 0; i < 256; ++i)
                all += char(i);
            return all;
        }());
    }

private slots:
    void receiveBufferShowsAtMostItsBound_data()
    {
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<QByteArray>("shown");
        const QByteArray full(ReceiveBufferShown, 'a');
        QTest::newRow("exactly the bound: all") << full << full;
        QTest::newRow("one byte more: up to the bound") << full + 'b' << full;
        QTest::newRow("a megabyte on one line") << flood("z") << QByteArray(ReceiveBufferShown, 'z');
        QTest::newRow("NUL before the bound ends it")
            << QByteArray(100, 'c') + '\0' + full << QByteArray(100, 'c');
        QTest::newRow("CR LF cut at the bound")
            << full.first(ReceiveBufferShown - 1) + "\r\nd" << full.first(ReceiveBufferShown - 1) + "\n";
    }
    void receiveBufferShowsAtMostItsBound()
    {
        QFETCH(QByteArray, piece);
        QFETCH(QByteArray, shown);
        QCOMPARE(receiveBufferText(piece), shown);
    }

    void megabyteOnTheSerialLink_data() { floods(); }
    void megabyteOnTheSerialLink()
    {
        QFETCH(QByteArray, bytes);
        PtyPair pty;
        FaultWindow w;
        QList<QByteArray> pieces;
        connect(w.comm(), &TComm::ReceiveData, this, [&](const QByteArray &piece) { pieces << piece; });
        w.openSerial(pty.slavePath());
        w.click("Button32");
        QCOMPARE(pty.read(), QByteArray("PPPPPP#CHEACK1#"));

        Heartbeat heartbeat;
        QElapsedTimer clock;
        clock.start();
        pty.write(bytes);
        QTRY_COMPARE_WITH_TIMEOUT(pieces.join().size(), Megabyte, 30000);
        const qint64 took = clock.elapsed();
        QVERIFY(pieces.join() == bytes);
        for (const QByteArray &piece : pieces)
            QVERIFY(!piece.isEmpty() && piece.size() <= 2048);
        QTest::qWait(300);
        QCOMPARE(w.text("Memo8"), fromGbk(receiveBufferText(pieces.last())));
        qInfo("serial, 1 MiB: %lld pieces in %lld ms, window held up at most %lld ms, peak memory %.0f MiB",
              qint64(pieces.size()), took, heartbeat.longestMs(), peakMemoryMiB());
        QVERIFY2(heartbeat.longestMs() < 1000, qPrintable(QString::number(heartbeat.longestMs())));

        // Junk without tags: the parse found nothing, and the window carries on.
        QVERIFY(w.answersAClick());
        QCOMPARE(pty.read(), QByteArray("PPPPPP#CHEACK1#"));
        pty.write("TQ1:00012;");
        QTRY_COMPARE(w.text("Edit7"), QStringLiteral("00012"));
        QVERIFY(boxTexts().isEmpty());
    }

    void megabyteOnTheGatewayLink_data() { floods(); }
    void megabyteOnTheGatewayLink()
    {
        QFETCH(QByteArray, bytes);
        FaultWindow w;
        LoopbackGateway gateway;
        w.connectTo(gateway.port());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.text("Label146"), QStringLiteral("Connected"));
        QList<QByteArray> pieces;
        auto *memo = w.get<QPlainTextEdit>("Memo8");
        connect(memo, &QPlainTextEdit::textChanged, this, [&] { pieces << w.exchange.ReplyText; });
        w.click("Button32");
        QCOMPARE(gateway.received(19), QByteArray("ZZZZPPPPPP#CHEACK1#"));
        pieces.clear();

        Heartbeat heartbeat;
        QElapsedTimer clock;
        clock.start();
        gateway.peer->write(bytes);
        QTRY_COMPARE_WITH_TIMEOUT(pieces.join().size(), Megabyte, 30000);
        const qint64 took = clock.elapsed();
        QVERIFY(pieces.join() == bytes);
        // The parse of the last piece is still pending: let it run before the next query.
        QTest::qWait(300);
        QCOMPARE(w.text("Memo8"), fromGbk(receiveBufferText(pieces.last())));
        QVERIFY(w.text("Memo8").size() <= ReceiveBufferShown);
        qInfo("gateway, 1 MiB: %lld pieces in %lld ms, window held up at most %lld ms, peak memory %.0f MiB",
              qint64(pieces.size()), took, heartbeat.longestMs(), peakMemoryMiB());
        // Beyond the two 300 ms read waits that may follow one another.
        QVERIFY2(heartbeat.longestMs() < 1000 + 2 * 300, qPrintable(QString::number(heartbeat.longestMs())));

        QVERIFY(w.answersAClick());
        QCOMPARE(gateway.received(19), QByteArray("ZZZZPPPPPP#CHEACK1#"));
        gateway.peer->write("TQ1:00012;");
        QTRY_COMPARE(w.text("Edit7"), QStringLiteral("00012"));
        QVERIFY(boxTexts().isEmpty());
    }

    void peakMemoryStaysUnderTheBound()
    {
        const double peak = peakMemoryMiB();
        qInfo("peak memory after every flood: %.0f MiB (bound %.0f MiB)", peak, MemoryBoundMiB);
        QVERIFY(peak > 0);
        if (UnderAddressSanitizer)
            QSKIP("AddressSanitizer's shadow and quarantine are not the program's memory");
        QVERIFY2(peak < MemoryBoundMiB, qPrintable(QString::number(peak)));
    }
};

QTEST_MAIN(FaultsFloodTest)
#include "test_faults_flood.moc"
