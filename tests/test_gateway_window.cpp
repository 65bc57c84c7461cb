#include "LoopbackGateway.h"
#include "MessageBoxes.h"
#include "PageWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>

#include <sys/socket.h>

// The gateway link in the window: Connect, Disconnect, the status texts, the
// error boxes and the receive path, against a server on 127.0.0.1 only.
class GatewayWindowTest : public QObject
{
    Q_OBJECT

    using Gateway = LoopbackGateway;

    struct Window : PageWindow
    {
        Window() { QTest::qWait(250); }
        ~Window() { closeBoxes(); }
        void setText(const char *name, const QString &text) { get<QLineEdit>(name)->setText(text); }
        QString status() { return get<QLabel>("Label146")->text(); }
        QString memo() { return get<QPlainTextEdit>("Memo8")->toPlainText(); }
        TClientSocket *client() { return get<TClientSocket>("ClientSocket1"); }
        // IP mode, the loopback address and the port, Connect.
        void connectTo(int port)
        {
            pick("ComboBox2", 1);
            setText("Edit6", QStringLiteral("127.0.0.1"));
            setText("Edit34", QString::number(port));
            click("Button13");
        }
    };

    static quint16 deadPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort();
    }

private slots:
    void theGroupAtStart()
    {
        Window w;
        QCOMPARE(w.get<QGroupBox>("GroupBox6")->title(), QStringLiteral("Ethernet Params Config"));
        QCOMPARE(w.get<QLineEdit>("Edit6")->text(), QStringLiteral("192.168.0.88"));
        QCOMPARE(w.get<QLineEdit>("Edit34")->text(), QStringLiteral("7000"));
        QCOMPARE(w.status(), QStringLiteral("***"));
        QCOMPARE(w.get<QPushButton>("Button13")->text(), QStringLiteral("Connect"));
        QCOMPARE(w.get<QPushButton>("Button9")->text(), QStringLiteral("Disconnect"));
        QCOMPARE(w.get<QPushButton>("Button37")->text(), QStringLiteral("Gateway Params Query"));
        QVERIFY(!w.get("Button13")->isEnabled());
        QVERIFY(w.get("Button9")->isEnabled());
        QVERIFY(w.get("Button37")->isEnabled());
        QVERIFY(!w.client()->Active());
        QCOMPARE(w.client()->Port(), 0);
        QVERIFY(w.get("GroupBox6")->geometry().top() >= 60);
        QVERIFY(w.get("GroupBox6")->geometry().bottom() <= 118);
    }

    void linkModeEnablesTheControlsOfEachMode_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("serial");
        QTest::newRow("IP Network Communication") << 1 << false;
        QTest::newRow("COM Serial Communication") << 0 << true;
    }
    void linkModeEnablesTheControlsOfEachMode()
    {
        QFETCH(int, index);
        QFETCH(bool, serial);
        Window w;
        w.pick("ComboBox2", 1 - index);
        w.pick("ComboBox2", index);
        QCOMPARE(w.get("SPREALCOM")->isEnabled(), serial);
        QCOMPARE(w.get("Button10")->isEnabled(), serial);
        QCOMPARE(w.get("TabSheet1")->isEnabled(), serial);
        QCOMPARE(w.get("Button13")->isEnabled(), !serial);
        QCOMPARE(w.get("Button9")->isEnabled(), !serial);
        QCOMPARE(w.get("Button37")->isEnabled(), !serial);
        QVERIFY(!w.get("Button14")->isEnabled());
        QCOMPARE(w.status(), QStringLiteral("***"));
    }

    void typedLinkTextIsIpModeAndProgramWritesRunNoHandler()
    {
        Window w;
        w.pick("ComboBox2", 0);
        QTest::keyClicks(w.get<QComboBox>("ComboBox2")->lineEdit(), QStringLiteral("x"));
        QCOMPARE(w.get<QComboBox>("ComboBox2")->currentIndex(), -1);
        QVERIFY(w.get("Button13")->isEnabled());
        QVERIFY(!w.get("Button10")->isEnabled());
        w.get<QComboBox>("ComboBox2")->setCurrentIndex(0);
        QVERIFY(w.get("Button13")->isEnabled());
    }

    void communicationTestOverTheGateway()
    {
        Window w;
        Gateway gateway;
        w.connectTo(gateway.port());
        QCOMPARE(w.status(), QStringLiteral("Connecting!"));
        QVERIFY(w.get("Button14")->isEnabled());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.status(), QStringLiteral("Connected"));
        w.click("Button14");
        QCOMPARE(gateway.received(15), QByteArray("ZZZZPPPPPP#VAR#"));
        QCOMPARE(w.get<QLineEdit>("discomm")->text(), QStringLiteral("ZZZZPPPPPP#VAR#"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 1003);

        // The answer sets the model only; the link mode and the controls stay.
        gateway.send("TY:21");
        QTRY_COMPARE(w.memo(), QStringLiteral("TY:21"));
        QCOMPARE(w.get<QComboBox>("MKXINGHAO")->currentIndex(), 2);
        QCOMPARE(w.get<QComboBox>("ComboBox2")->currentIndex(), 1);
        QCOMPARE(w.exchange.ReplyText, QByteArray("TY:21"));
        QVERIFY(!w.get("Button10")->isEnabled());
        QVERIFY(boxTexts().isEmpty());
    }

    void aGatewayAnswerNeverSetsTheLinkMode()
    {
        Window w;
        Gateway gateway;
        w.connectTo(gateway.port());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.status(), QStringLiteral("Connected"));
        w.click("Button14");
        gateway.send("TY:10");
        QTRY_COMPARE(w.get<QComboBox>("MKXINGHAO")->currentIndex(), 1);
        QCOMPARE(w.get<QComboBox>("ComboBox2")->currentIndex(), 1);
        QVERIFY(w.get("Button13")->isEnabled());
    }

    void dataIsLeftUnreadOffTheGatewayItem_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::newRow("serial item picked") << false;
        QTest::newRow("free text typed") << true;
    }
    void dataIsLeftUnreadOffTheGatewayItem()
    {
        QFETCH(bool, typed);
        Window w;
        Gateway gateway;
        w.connectTo(gateway.port());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.status(), QStringLiteral("Connected"));
        if (typed)
            QTest::keyClicks(w.get<QComboBox>("ComboBox2")->lineEdit(), QStringLiteral("x"));
        else
            w.pick("ComboBox2", 0);
        QVERIFY(w.get<QComboBox>("ComboBox2")->currentIndex() != 1);
        gateway.send("TQ1:00042;");
        QTest::qWait(700);
        QCOMPARE(w.memo(), QString());
        QCOMPARE(w.exchange.ReplyText, QByteArray());
        QVERIFY(w.client()->Active());
        QCOMPARE(w.status(), QStringLiteral("Connected"));
    }

    void refusedConnectionShowsItsError()
    {
        Window w;
        w.connectTo(deadPort());
        QCOMPARE(w.status(), QStringLiteral("Connecting!"));
        QTRY_COMPARE(w.status(), QStringLiteral("Connection Failed"));
        QTRY_VERIFY(!openBoxes().isEmpty());
        QCOMPARE(boxTexts(), QStringList({"Asynchronous socket error 10061."}));
        QVERIFY(w.get("Button14")->isEnabled());
        QVERIFY(!w.client()->Active());
    }

    void peerCloseShowsDisconnectedWithoutABox()
    {
        Window w;
        Gateway gateway;
        w.connectTo(gateway.port());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.status(), QStringLiteral("Connected"));
        gateway.peer->disconnectFromHost();
        QTRY_COMPARE(w.status(), QStringLiteral("Disconnected"));
        QTest::qWait(100);
        QVERIFY(boxTexts().isEmpty());
        QVERIFY(!w.client()->Active());
        QVERIFY(w.get("Button14")->isEnabled());

        // Connect again: a second connection.
        w.click("Button13");
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.status(), QStringLiteral("Connected"));
    }

    void peerResetShowsTheError()
    {
        Window w;
        Gateway gateway;
        w.connectTo(gateway.port());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.status(), QStringLiteral("Connected"));
        const linger hard{1, 0};
        ::setsockopt(int(gateway.peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        gateway.peer->abort();
        QTRY_COMPARE(w.status(), QStringLiteral("Connection Failed"));
        QTRY_VERIFY(!openBoxes().isEmpty());
        QCOMPARE(boxTexts(), QStringList({"Asynchronous socket error 10054."}));
        QVERIFY(w.client()->Active());

        w.click("Button9");
        QCOMPARE(w.status(), QStringLiteral("Disconnected"));
        QVERIFY(!w.client()->Active());
        QVERIFY(boxTexts().isEmpty());
    }

    void disconnectClosesAndShowsDisconnected()
    {
        Window w;
        Gateway gateway;
        w.pick("ComboBox2", 1);
        w.click("Button9");
        QCOMPARE(w.status(), QStringLiteral("Disconnected"));

        w.connectTo(gateway.port());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.status(), QStringLiteral("Connected"));
        w.click("Button9");
        QCOMPARE(w.status(), QStringLiteral("Disconnected"));
        QTRY_COMPARE(gateway.peer->state(), QAbstractSocket::UnconnectedState);
        w.click("Button14");
        QCOMPARE(w.get<QLineEdit>("discomm")->text(), QStringLiteral("ZZZZPPPPPP#VAR#"));
        QVERIFY(boxTexts().isEmpty());
    }

    void connectAgainWhileConnected()
    {
        Window w;
        Gateway gateway;
        w.connectTo(gateway.port());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.status(), QStringLiteral("Connected"));
        w.click("Button13");
        QCOMPARE(w.status(), QStringLiteral("Connected"));
        QVERIFY(boxTexts().isEmpty());

        w.setText("Edit34", QString::number(gateway.port() + 1));
        w.click("Button13");
        QCOMPARE(boxTexts(), QStringList({"Can't change value while socket is active."}));
        QCOMPARE(w.status(), QStringLiteral("Connected"));
        QVERIFY(!gateway.server.hasPendingConnections());
    }

    void portTextRules_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("taken");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("testEnabled");
        // An empty address stops before any connection, after the port was taken.
        QTest::newRow("70000 gives 4464")
            << "70000" << 70000 << QStringList({"No address specified."}) << "Disconnected" << true;
        QTest::newRow("hex $1B58") << "$1B58" << 7000 << QStringList({"No address specified."})
                                   << "Disconnected" << true;
        QTest::newRow("70a0 is no integer")
            << "70a0" << 0 << QStringList({"'70a0' is not a valid integer value."}) << "***" << false;
    }
    void portTextRules()
    {
        QFETCH(QString, port);
        QFETCH(int, taken);
        QFETCH(QStringList, boxes);
        QFETCH(QString, status);
        QFETCH(bool, testEnabled);
        Window w;
        w.pick("ComboBox2", 1);
        w.setText("Edit6", QString());
        w.setText("Edit34", port);
        w.click("Button13");
        QCOMPARE(boxTexts(), boxes);
        QCOMPARE(w.client()->Port(), taken);
        QCOMPARE(int(w.client()->targetPort()), taken & 0xFFFF);
        QCOMPARE(w.status(), status);
        QCOMPARE(w.get("Button14")->isEnabled(), testEnabled);
        QVERIFY(!w.client()->isConnecting());
    }

    void aBadPortStartsNothing()
    {
        Window w;
        Gateway gateway;
        w.pick("ComboBox2", 1);
        w.setText("Edit6", QStringLiteral("127.0.0.1"));
        w.setText("Edit34", QStringLiteral("70a0"));
        w.click("Button13");
        QCOMPARE(boxTexts(), QStringList({"'70a0' is not a valid integer value."}));
        QTest::qWait(100);
        QVERIFY(!gateway.server.hasPendingConnections());
        QCOMPARE(w.client()->Address(), QByteArray("127.0.0.1"));
        QCOMPARE(w.status(), QStringLiteral("***"));
        QVERIFY(!w.get("Button14")->isEnabled());
    }

    void aReadAnswerOverTheGatewayStartsTheParse()
    {
        Window w;
        Gateway gateway;
        w.connectTo(gateway.port());
        QVERIFY(gateway.accept());
        QTRY_COMPARE(w.status(), QStringLiteral("Connected"));
        w.click("Button19");
        QCOMPARE(gateway.received(17), QByteArray("ZZZZCFGSET#RESET#"));
        gateway.send("OK\r\nDONE");
        QTRY_COMPARE(w.memo(), QStringLiteral("OK\nDONE"));
        QCOMPARE(w.exchange.ReplyText, QByteArray("OK\r\nDONE"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 1001);
    }

    void gatewayProgramStartsFromTheProgramsFolder()
    {
        Window w;
        w.pick("ComboBox2", 1);
        const QString program =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("GWCFG.EXE"));
        const QString mark = program + QStringLiteral(".ran");
        QFile::remove(program);
        QFile::remove(mark);

        w.click("Button37");
        QTest::qWait(200);
        QVERIFY(boxTexts().isEmpty());
        QVERIFY(!QFile::exists(mark));

        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ntouch \"$0.ran\" \"$0.args$#\"\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        w.click("Button37");
        QTRY_VERIFY(QFile::exists(mark));
        QVERIFY(QFile::exists(program + QStringLiteral(".args0")));
        QVERIFY(boxTexts().isEmpty());
        QFile::remove(program);
        QFile::remove(mark);
        QFile::remove(program + QStringLiteral(".args0"));
    }
};

QTEST_MAIN(GatewayWindowTest)
#include "test_gateway_window.moc"
