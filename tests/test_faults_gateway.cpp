#include "test_faults_rig.h"

#include <sys/socket.h>

// Faults on the gateway link: the gateway closing or resetting the connection
// around a reply, and a reply that drips in one byte every 50 ms. Only 127.0.0.1.
class FaultsGatewayTest : public QObject
{
    Q_OBJECT

    static constexpr const char *SystemReply = "TQ1:00012;TM:2506151230;SA:3;SD:01;DY:05;ER:010;";

    static void connected(FaultWindow &w, LoopbackGateway &gateway)
    {
        w.connectTo(gateway.port());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.text("Label146"), QStringLiteral("Connected"));
    }

    static void reset(QTcpSocket *peer)
    {
        const linger hard{1, 0};
        ::setsockopt(int(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        peer->abort();
    }

    // After a fault: a new connection on the same window carries a query and its reply.
    static void roundTripAgain(FaultWindow &w, LoopbackGateway &gateway, const QByteArray &station)
    {
        w.click("Button13");
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.text("Label146"), QStringLiteral("Connected"));
        w.click("Button32");
        QCOMPARE(gateway.received(19), QByteArray("ZZZZPPPPPP#CHEACK1#"));
        gateway.peer->write("TQ1:" + station + ";");
        QTRY_COMPARE(w.text("Edit7"), QString::fromLatin1(station));
        QTRY_COMPARE(w.exchange.ExpectedReplyCode, 0);
        QVERIFY(boxTexts().isEmpty());
    }

private slots:
    void gatewayClosesRightAfterItsReply()
    {
        FaultWindow w;
        LoopbackGateway gateway;
        connected(w, gateway);
        w.click("Button32");
        QCOMPARE(gateway.received(19), QByteArray("ZZZZPPPPPP#CHEACK1#"));
        gateway.peer->write(SystemReply);
        gateway.peer->disconnectFromHost();
        // The reply still counts; the close only shows "Disconnected".
        QTRY_COMPARE(w.text("Label146"), QStringLiteral("Disconnected"));
        QTRY_COMPARE(w.exchange.ExpectedReplyCode, 0);
        QCOMPARE(w.text("Memo8"), QString::fromLatin1(SystemReply));
        QCOMPARE(w.text("Edit7"), QStringLiteral("00012"));
        QVERIFY(!w.client()->Active());
        QVERIFY(boxTexts().isEmpty());

        // Writing while not connected: shown, code stored, nothing sent, nothing said.
        QVERIFY(w.answersAClick());
        QCOMPARE(w.text("discomm"), QStringLiteral("ZZZZPPPPPP#CHEACK1#"));
        QVERIFY(boxTexts().isEmpty());
        roundTripAgain(w, gateway, "00034");
    }

    void gatewayResetsTheConnection_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("idle") << QByteArray();
        QTest::newRow("after half a reply") << QByteArray("TQ1:00012;TM");
    }
    void gatewayResetsTheConnection()
    {
        QFETCH(QByteArray, before);
        FaultWindow w;
        LoopbackGateway gateway;
        w.setText("Edit7", QStringLiteral("00000"));
        connected(w, gateway);
        w.click("Button32");
        QCOMPARE(gateway.received(19), QByteArray("ZZZZPPPPPP#CHEACK1#"));
        if (!before.isEmpty()) {
            gateway.peer->write(before);
            gateway.peer->flush();
            QTRY_COMPARE(w.text("Memo8"), QString::fromLatin1(before));
        }
        reset(gateway.peer);
        QTRY_COMPARE(w.text("Label146"), QStringLiteral("Connection Failed"));
        QTRY_VERIFY(!openBoxes().isEmpty());
        QCOMPARE(boxTexts(), QStringList({"Asynchronous socket error 10054."}));
        // The client stays connected until Disconnect; what was parsed stays.
        QVERIFY(w.client()->Active());
        // A reply part that came before the reset is still parsed.
        QTest::qWait(300);
        QCOMPARE(w.text("Edit7"), before.isEmpty() ? QStringLiteral("00000") : QStringLiteral("00012"));
        QCOMPARE(w.exchange.ExpectedReplyCode, before.isEmpty() ? 101 : 0);

        w.click("Button9");
        QCOMPARE(w.text("Label146"), QStringLiteral("Disconnected"));
        QVERIFY(!w.client()->Active());
        QVERIFY(boxTexts().isEmpty());
        roundTripAgain(w, gateway, "00056");
    }

    void replyArrivingOneByteEvery50ms()
    {
        FaultWindow w;
        LoopbackGateway gateway;
        connected(w, gateway);
        QList<QByteArray> pieces;
        auto *memo = w.get<QPlainTextEdit>("Memo8");
        connect(memo, &QPlainTextEdit::textChanged, this, [&] {
            if (!memo->toPlainText().isEmpty())
                pieces << w.exchange.ReplyText;
        });
        w.click("Button14");
        QCOMPARE(gateway.received(15), QByteArray("ZZZZPPPPPP#VAR#"));

        Heartbeat heartbeat;
        const QByteArray reply = SystemReply;
        for (const char c : reply) {
            gateway.peer->write(QByteArray(1, c));
            gateway.peer->flush();
            QTest::qWait(50);
        }
        // Each arrival holds the window 300 ms and then takes everything pending:
        // the reply comes in several pieces, and no byte is lost or doubled.
        QTRY_COMPARE(pieces.join(), reply);
        QVERIFY(pieces.size() > 1);
        QCOMPARE(w.text("Memo8"), QString::fromLatin1(pieces.last()));
        QCOMPARE(w.exchange.ExpectedReplyCode, 1003);
        QVERIFY(boxTexts().isEmpty());
        qInfo("one byte every 50 ms: %lld pieces, window held up at most %lld ms", qint64(pieces.size()),
              heartbeat.longestMs());
        QVERIFY2(heartbeat.longestMs() < 1000, qPrintable(QString::number(heartbeat.longestMs())));
        QVERIFY(w.answersAClick());
    }
};

QTEST_MAIN(FaultsGatewayTest)
#include "test_faults_gateway.moc"
