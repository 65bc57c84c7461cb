#include "PageWindow.h"
#include "PtyPair.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>

// The parse timer in the window: pieces reach the parser 200 ms after the first
// of them, and a query answered over a serial line or the gateway fills its fields.
class ParserWindowTest : public QObject
{
    Q_OBJECT

    struct Window : PageWindow
    {
        Window() { QTest::qWait(250); } // the start-up firing of the parse timer is over
        QString edit(const char *name) { return shown(name); }
    };

private slots:
    void twoPiecesWithinTheTimerOnlyTheSecondIsParsed()
    {
        Window w;
        w.click("Button32");
        QCOMPARE(w.exchange.ExpectedReplyCode, 101);
        const int cycleBefore = w.get<QComboBox>("ComboBox8")->currentIndex();
        w.form.Comm1ReceiveData("TQ1:00001;SD:03;");
        QTest::qWait(50);
        w.form.Comm1ReceiveData("TQ1:00002;");
        QTRY_COMPARE_WITH_TIMEOUT(w.exchange.ExpectedReplyCode, 0, 1000);
        QCOMPARE(w.edit("Edit7"), QStringLiteral("00002"));
        QCOMPARE(w.get<QComboBox>("ComboBox8")->currentIndex(), cycleBefore);
    }

    void parseWaitsForTheTimer()
    {
        Window w;
        w.click("Button32");
        w.form.Comm1ReceiveData("TQ1:00042;");
        QTest::qWait(100);
        QCOMPARE(w.edit("Edit7"), QStringLiteral("00000"));
        QTRY_COMPARE_WITH_TIMEOUT(w.edit("Edit7"), QStringLiteral("00042"), 1000);
    }

    // Pieces of a history download that arrive while a parse is pending are all appended, in order.
    void historyKeepsEveryPiece()
    {
        Window w;
        w.get<QPushButton>("Button125")->click();
        QCOMPARE(w.exchange.ExpectedReplyCode, 5000);
        for (const char *piece : {"a", "b", "c"}) {
            w.form.Comm1ReceiveData(piece);
            QTest::qWait(150);
        }
        QTRY_COMPARE_WITH_TIMEOUT(w.shown("Memo7"), QStringLiteral("a\nb\nc\n"), 1000);
        QTest::qWait(300);
        QCOMPARE(w.shown("Memo7"), QStringLiteral("a\nb\nc\n"));
    }

    void aPieceUnderCodeZeroFillsNothing()
    {
        Window w;
        w.form.Comm1ReceiveData("TQ1:00012;SD:05;");
        QTest::qWait(400);
        QCOMPARE(w.edit("Edit7"), QStringLiteral("00000"));
        QCOMPARE(w.exchange.ReplyText, QByteArray("TQ1:00012;SD:05;"));
    }

    void serialRoundTrip()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        Window w;
        w.pick("ComboBox2", 0);
        w.get<QComboBox>("SPREALCOM")->setEditText(pty.slavePath());
        w.click("Button10");
        w.click("Button32");
        QCOMPARE(pty.read(), QByteArray("PPPPPP#CHEACK1#"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 101);
        pty.write("TQ1:00012;TM:2506151230;SA:3;SD:01;DY:05;ER:010;");
        QTRY_COMPARE_WITH_TIMEOUT(w.edit("Edit7"), QStringLiteral("00012"), 2000);
        QCOMPARE(w.get<QComboBox>("ComboBox3")->currentText(), QStringLiteral("25"));
        QCOMPARE(w.get<QComboBox>("ComboBox8")->currentIndex(), 1);
        QCOMPARE(w.edit("Edit2"), QStringLiteral("05"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 0);
        QVERIFY(w.exchange.ReplyText.isEmpty());

        w.get<QLineEdit>("Edit7")->setText(QStringLiteral("123"));
        w.click("Button4");
        QCOMPARE(pty.read(), QByteArray("CFGSET#ST:00123#"));
    }

    // Over the gateway the answer is read 300 ms after it arrives and parsed 200 ms later.
    void gatewayRoundTrip()
    {
        QTcpServer gateway;
        QVERIFY(gateway.listen(QHostAddress::LocalHost));
        Window w;
        w.pick("ComboBox2", 1);
        w.get<QLineEdit>("Edit6")->setText(QStringLiteral("127.0.0.1"));
        w.get<QLineEdit>("Edit34")->setText(QString::number(gateway.serverPort()));
        w.click("Button13");
        QTRY_VERIFY_WITH_TIMEOUT(gateway.hasPendingConnections(), 2000);
        QTcpSocket *peer = gateway.nextPendingConnection();
        QTest::qWait(100);

        w.click("Button32");
        QTRY_COMPARE_WITH_TIMEOUT(peer->bytesAvailable(), qint64(19), 2000);
        QCOMPARE(peer->readAll(), QByteArray("ZZZZPPPPPP#CHEACK1#"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 101);

        QElapsedTimer clock;
        clock.start();
        peer->write("TQ1:00034;SD:05;");
        peer->flush();
        QTRY_COMPARE_WITH_TIMEOUT(w.edit("Edit7"), QStringLiteral("00034"), 3000);
        QVERIFY2(clock.elapsed() >= 450, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(w.get<QComboBox>("ComboBox8")->currentIndex(), 5);
        QCOMPARE(w.exchange.ExpectedReplyCode, 0);
    }
};

QTEST_MAIN(ParserWindowTest)
#include "test_parser_window.moc"
