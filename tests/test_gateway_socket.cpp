#include "LoopbackGateway.h"
#include "link/SocketError.h"
#include "link/TClientSocket.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <sys/socket.h>

#include <cerrno>

// The gateway's TCP client against a server on 127.0.0.1: the events it reports,
// the errors it raises and the numbers they carry. Nothing else is connected to.
class GatewaySocketTest : public QObject
{
    Q_OBJECT

    using Gateway = LoopbackGateway;

    // The client with every event written down as text.
    struct Rig
    {
        TClientSocket client;
        QStringList events;
        QStringList raised;
        bool readOnNotice = true;
        QByteArray received;

        Rig()
        {
            client.OnConnecting = [this] { events << QStringLiteral("connecting"); };
            client.OnConnect = [this] { events << QStringLiteral("connect"); };
            client.OnDisconnect = [this] { events << QStringLiteral("disconnect"); };
            client.OnError = [this](TErrorEvent event, int &code) {
                events << QStringLiteral("error %1 %2").arg(int(event)).arg(code);
            };
            client.OnRead = [this] {
                events << QStringLiteral("read");
                if (readOnNotice)
                    received += client.ReceiveText();
            };
            client.setNotificationGuard([this](const std::function<void()> &event) {
                try {
                    event();
                } catch (const HandlerError &error) {
                    raised << error.message();
                }
            });
        }
        // Open, and write down what it raises.
        void open()
        {
            try {
                client.Open();
            } catch (const HandlerError &error) {
                raised << error.message();
            }
        }
    };

    static QString eventText(TErrorEvent event, int code)
    {
        return QStringLiteral("error %1 %2").arg(int(event)).arg(code);
    }

    static quint16 deadPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort();
    }

    static void connectTo(Rig &rig, Gateway &gateway)
    {
        rig.client.setAddress("127.0.0.1");
        rig.client.setPort(gateway.port());
        rig.open();
        QVERIFY(gateway.accept());
        QTRY_VERIFY(rig.client.Active());
    }

private slots:
    void startState()
    {
        Rig rig;
        QCOMPARE(rig.client.objectName(), QStringLiteral("ClientSocket1"));
        QCOMPARE(rig.client.Address(), QByteArray());
        QCOMPARE(rig.client.Port(), 0);
        QVERIFY(!rig.client.Active());
        QCOMPARE(rig.client.SendText("PPPPPP#VAR#"), 0);
        QCOMPARE(rig.client.ReceiveText(), QByteArray());
        rig.client.Close();
        QVERIFY(rig.events.isEmpty());
    }

    void connectsSendsAndCloses()
    {
        Rig rig;
        Gateway gateway;
        connectTo(rig, gateway);
        QCOMPARE(rig.events, QStringList({"connecting", "connect"}));
        QCOMPARE(rig.client.SendText("ZZZZPPPPPP#VAR#"), 15);
        QTRY_COMPARE(gateway.peer->bytesAvailable(), 15);
        QCOMPARE(gateway.peer->readAll(), QByteArray("ZZZZPPPPPP#VAR#"));

        rig.client.Close();
        QCOMPARE(rig.events, QStringList({"connecting", "connect", "disconnect"}));
        QVERIFY(!rig.client.Active());
        QTRY_COMPARE(gateway.peer->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(rig.client.SendText("X"), 0);
        QVERIFY(rig.raised.isEmpty());
    }

    void refusedAttemptIsAnAsynchronousError()
    {
        Rig rig;
        rig.client.setAddress("127.0.0.1");
        rig.client.setPort(deadPort());
        rig.open();
        QCOMPARE(rig.events, QStringList({"connecting"}));
        QVERIFY(rig.raised.isEmpty());
        QTRY_COMPARE(rig.raised, QStringList({"Asynchronous socket error 10061"}));
        QCOMPARE(rig.events, QStringList({"connecting", eventText(TErrorEvent::eeConnect, 10061)}));
        QVERIFY(!rig.client.Active());
        QVERIFY(!rig.client.isConnecting());
    }

    void aClearedCodeRaisesNothing()
    {
        Rig rig;
        rig.client.OnError = [&rig](TErrorEvent, int &code) {
            rig.events << QStringLiteral("error");
            code = 0;
        };
        rig.client.setAddress("127.0.0.1");
        rig.client.setPort(deadPort());
        rig.open();
        QTRY_COMPARE(rig.events, QStringList({"connecting", "error"}));
        QTest::qWait(50);
        QVERIFY(rig.raised.isEmpty());
    }

    void peerCloseEndsTheConnectionQuietly()
    {
        Rig rig;
        Gateway gateway;
        connectTo(rig, gateway);
        gateway.peer->disconnectFromHost();
        QTRY_VERIFY(!rig.client.Active());
        QCOMPARE(rig.events, QStringList({"connecting", "connect", "disconnect"}));
        QVERIFY(rig.raised.isEmpty());
    }

    void peerResetIsAnErrorAndTheClientStaysActive()
    {
        Rig rig;
        Gateway gateway;
        connectTo(rig, gateway);
        gateway.reset();
        QTRY_COMPARE(rig.raised, QStringList({"Asynchronous socket error 10054"}));
        QCOMPARE(rig.events,
                 QStringList({"connecting", "connect", eventText(TErrorEvent::eeDisconnect, 10054)}));
        QVERIFY(rig.client.Active());

        // The next send meets the reset: error event, closing, then the call's error.
        rig.events.clear();
        try {
            rig.client.SendText("ZZZZPPPPPP#VAR#");
            QFAIL("the send raised nothing");
        } catch (const SocketError &error) {
            QCOMPARE(error.message(),
                     QStringLiteral("Windows socket error: An existing connection was forcibly "
                                    "closed by the remote host (10054), on API 'send'"));
        }
        QCOMPARE(rig.events, QStringList({eventText(TErrorEvent::eeSend, 10054), "disconnect"}));
        QVERIFY(!rig.client.Active());
    }

    void everythingPendingIsReadAtOnce()
    {
        Rig rig;
        Gateway gateway;
        connectTo(rig, gateway);
        gateway.peer->write("TQ1:");
        gateway.peer->flush();
        gateway.peer->write("00042;");
        gateway.peer->flush();
        QTRY_COMPARE(rig.received, QByteArray("TQ1:00042;"));
        QCOMPARE(rig.events.count(QStringLiteral("read")), 1);
    }

    void unreadDataStaysOnTheConnectionWithoutFurtherNotice()
    {
        Rig rig;
        rig.readOnNotice = false;
        Gateway gateway;
        connectTo(rig, gateway);
        gateway.peer->write("AB");
        gateway.peer->flush();
        QTRY_COMPARE(rig.events.count(QStringLiteral("read")), 1);
        gateway.peer->write("CD");
        gateway.peer->flush();
        QTest::qWait(200);
        QCOMPARE(rig.events.count(QStringLiteral("read")), 1);
        QCOMPARE(rig.client.ReceiveText(), QByteArray("ABCD"));
        // Having read, the client hears of new data again.
        gateway.peer->write("EF");
        gateway.peer->flush();
        QTRY_COMPARE(rig.events.count(QStringLiteral("read")), 2);
        QCOMPARE(rig.client.ReceiveText(), QByteArray("EF"));
    }

    void valuesChangeOnlyWhileInactive()
    {
        Rig rig;
        Gateway gateway;
        rig.client.setAddress("10.0.0.1");
        rig.client.setPort(1);
        connectTo(rig, gateway);
        rig.client.setAddress("127.0.0.1");
        rig.client.setPort(gateway.port());
        QVERIFY_THROWS_EXCEPTION(SocketError, rig.client.setAddress("127.0.0.2"));
        QVERIFY_THROWS_EXCEPTION(SocketError, rig.client.setPort(gateway.port() + 65536));
        QCOMPARE(rig.client.Address(), QByteArray("127.0.0.1"));
        QCOMPARE(rig.client.Port(), int(gateway.port()));
        rig.client.Close();
        rig.client.setPort(7000);
        QCOMPARE(rig.client.Port(), 7000);
    }

    void aPortAboveSixteenBitsReachesItsLowBits()
    {
        Rig rig;
        Gateway gateway;
        rig.client.setAddress("127.0.0.1");
        rig.client.setPort(gateway.port() + 65536);
        rig.open();
        QVERIFY(gateway.accept());
        QTRY_VERIFY(rig.client.Active());
        QCOMPARE(gateway.peer->peerAddress(), QHostAddress(QHostAddress::LocalHost));
    }

    void anEmptyAddressFailsBeforeConnecting()
    {
        Rig rig;
        rig.client.setPort(7000);
        rig.open();
        QCOMPARE(rig.events, QStringList({eventText(TErrorEvent::eeLookup, 10039), "disconnect"}));
        QCOMPARE(rig.raised, QStringList({"No address specified"}));
        QVERIFY(!rig.client.isConnecting());
    }

    void aTextThatIsNoAddressIsNeverLookedUp_data()
    {
        QTest::addColumn<QByteArray>("address");
        QTest::newRow("host name") << QByteArray("localhost");
        QTest::newRow("blank") << QByteArray(" ");
        QTest::newRow("all ones") << QByteArray("255.255.255.255");
    }
    void aTextThatIsNoAddressIsNeverLookedUp()
    {
        QFETCH(QByteArray, address);
        Rig rig;
        Gateway gateway;
        rig.client.setAddress(address);
        rig.client.setPort(gateway.port());
        rig.open();
        QCOMPARE(rig.events, QStringList({"connecting", "disconnect"}));
        QCOMPARE(rig.raised,
                 QStringList({"Windows socket error: The requested address is not valid in its context "
                              "(10049), on API 'connect'"}));
        QTest::qWait(100);
        QVERIFY(!gateway.server.hasPendingConnections());
        QVERIFY(!rig.client.isConnecting());
    }

    void aNewAttemptReplacesAPendingOne()
    {
        Rig rig;
        Gateway gateway;
        rig.client.setAddress("127.0.0.1");
        rig.client.setPort(deadPort());
        rig.open();
        rig.client.setPort(gateway.port());
        rig.open();
        QVERIFY(gateway.accept());
        QTRY_VERIFY(rig.client.Active());
        QTest::qWait(50);
        QCOMPARE(rig.events, QStringList({"connecting", "connecting", "connect"}));
        QVERIFY(rig.raised.isEmpty());
    }
};

QTEST_GUILESS_MAIN(GatewaySocketTest)
#include "test_gateway_socket.moc"
