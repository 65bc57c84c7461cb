#include "ProtocolRig.h"
#include "commands/HandlerError.h"
#include "link/ReceiveBuffer.h"
#include "link/SerialReceive.h"

#include <QTest>

class ExchangeTest : public QObject
{
    Q_OBJECT

    struct Rig : ProtocolRig
    {
        int parseStarts = 0;

        explicit Rig(int linkIndex = 0) : ProtocolRig(linkIndex)
        {
            form.itemCounts["MKXINGHAO"] = 3;
            form.indices["MKXINGHAO"] = 0;
            form.texts["Memo8"] = "old";
        }
        void receive(const QByteArray &piece)
        {
            serialPieceReceived(form, exchange, piece, [this] { ++parseStarts; });
        }
    };

private slots:
    void linkCommands_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("linkIndex");
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<QByteArray>("gateway");
        QTest::addColumn<int>("code");
        QTest::newRow("test, serial") << "Button14" << 0 << QByteArray("PPPPPP#VAR#") << QByteArray() << 1003;
        QTest::newRow("test, IP") << "Button14" << 1 << QByteArray() << QByteArray("ZZZZPPPPPP#VAR#") << 1003;
        QTest::newRow("test, typed mode")
            << "Button14" << -1 << QByteArray() << QByteArray("ZZZZPPPPPP#VAR#") << 1003;
        QTest::newRow("reset, serial")
            << "Button19" << 0 << QByteArray("CFGSET#RESET#") << QByteArray() << 1001;
        QTest::newRow("reset, IP") << "Button19" << 1 << QByteArray() << QByteArray("ZZZZCFGSET#RESET#")
                                   << 1001;
    }
    void linkCommands()
    {
        QFETCH(QString, button);
        QFETCH(int, linkIndex);
        QFETCH(QByteArray, serial);
        QFETCH(QByteArray, gateway);
        QFETCH(int, code);
        Rig rig(linkIndex);
        rig.click(qPrintable(button));
        QCOMPARE(rig.serial.sent.join(), serial);
        QCOMPARE(rig.gateway.sent.join(), gateway);
        QCOMPARE(rig.form.texts["discomm"], serial + gateway);
        QCOMPARE(rig.form.texts["Memo8"], QByteArray());
        QCOMPARE(rig.exchange.ExpectedReplyCode, code);
    }

    void receiveBufferShowsLinesUpToNul_data()
    {
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("plain") << QByteArray("JUNK") << QByteArray("JUNK");
        QTest::newRow("CR LF, CR and LF") << QByteArray("L1\r\nL2\rL3\nL4") << QByteArray("L1\nL2\nL3\nL4");
        QTest::newRow("LF CR is two breaks") << QByteArray("A\n\rB") << QByteArray("A\n\nB");
        QTest::newRow("trailing CR") << QByteArray("A\r") << QByteArray("A\n");
        QTest::newRow("NUL ends it") << QByteArray("AB\0CD", 5) << QByteArray("AB");
        QTest::newRow("CR before NUL") << QByteArray("AB\r\0\nCD", 7) << QByteArray("AB\n");
        QTest::newRow("NUL first") << QByteArray("\0AB", 3) << QByteArray();
    }
    void receiveBufferShowsLinesUpToNul()
    {
        QFETCH(QByteArray, piece);
        QFETCH(QByteArray, shown);
        QCOMPARE(receiveBufferText(piece), shown);
    }

    void serialBranches_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("parsed");
        QTest::newRow("nothing expected") << 0 << true << true;
        QTest::newRow("plain answer 100") << 100 << true << false;
        QTest::newRow("reset answer 1001") << 1001 << false << false;
        QTest::newRow("test answer 1003") << 1003 << false << false;
        QTest::newRow("system reply 101") << 101 << true << true;
        QTest::newRow("history 5000") << 5000 << true << true;
    }
    void serialBranches()
    {
        QFETCH(int, code);
        QFETCH(bool, stored);
        QFETCH(bool, parsed);
        Rig rig;
        rig.exchange.ExpectedReplyCode = code;
        rig.exchange.ReplyText = "before";
        rig.receive(QByteArray("OK\0X", 4));
        QCOMPARE(rig.form.texts["Memo8"], QByteArray("OK"));
        QCOMPARE(rig.exchange.ReplyText, stored ? QByteArray("OK\0X", 4) : QByteArray("before"));
        QCOMPARE(rig.parseStarts, parsed ? 1 : 0);
        QCOMPARE(rig.exchange.ExpectedReplyCode, code);
    }

    void testReplySetsModelAndLinkMode()
    {
        Rig rig;
        rig.exchange.ExpectedReplyCode = 1003;
        rig.receive("TY:21");
        QCOMPARE(rig.form.indices["MKXINGHAO"], 2);
        QCOMPARE(rig.form.indices["ComboBox2"], 1);
        QCOMPARE(rig.form.texts["Memo8"], QByteArray("TY:21"));
        QVERIFY(rig.form.enabled.isEmpty());
        QCOMPARE(rig.exchange.ExpectedReplyCode, 1003);

        rig.click("Button19");
        QCOMPARE(rig.gateway.sent, QByteArrayList{"ZZZZCFGSET#RESET#"});
    }

    void testReplyOutsideTheItemsLeavesNoSelection()
    {
        Rig rig;
        rig.exchange.ExpectedReplyCode = 1003;
        rig.receive("TY:95 and more");
        QCOMPARE(rig.form.indices["MKXINGHAO"], -1);
        QCOMPARE(rig.form.indices["ComboBox2"], -1);
    }

    void testReplyOnlyAtTheStart()
    {
        Rig rig;
        rig.exchange.ExpectedReplyCode = 1003;
        rig.receive("xTY:21");
        QCOMPARE(rig.form.indices["MKXINGHAO"], 0);
        QCOMPARE(rig.form.indices["ComboBox2"], 0);
        QCOMPARE(rig.form.texts["Memo8"], QByteArray("xTY:21"));
    }

    void brokenTestReplyStopsTheHandler_data()
    {
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("model");
        QTest::newRow("nothing after the tag") << QByteArray("TY:") << "'' is not a valid integer value" << 0;
        QTest::newRow("no link digit") << QByteArray("TY:2") << "'' is not a valid integer value" << 2;
        QTest::newRow("letter for model") << QByteArray("TY:A1") << "'A' is not a valid integer value" << 0;
        QTest::newRow("letter for link") << QByteArray("TY:1;") << "';' is not a valid integer value" << 1;
        QTest::newRow("NUL for link")
            << QByteArray("TY:1\0", 5) << QStringLiteral("'%1' is not a valid integer value").arg(QChar(0))
            << 1;
    }
    void brokenTestReplyStopsTheHandler()
    {
        QFETCH(QByteArray, piece);
        QFETCH(QString, message);
        QFETCH(int, model);
        Rig rig;
        rig.exchange.ExpectedReplyCode = 1003;
        try {
            rig.receive(piece);
            QFAIL("no error raised");
        } catch (const HandlerError &error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(rig.form.indices["MKXINGHAO"], model);
        QCOMPARE(rig.form.indices["ComboBox2"], 0);
        QCOMPARE(rig.form.texts["Memo8"], QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(ExchangeTest)
#include "test_exchange.moc"
