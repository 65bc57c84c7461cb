#include "MapForm.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "link/GatewayReceive.h"

#include <QTest>

// The gateway's receive path after its wait: read only on the exact gateway
// item, then store, show and branch on the expected reply code.
class GatewayReceiveTest : public QObject
{
    Q_OBJECT

    struct Rig
    {
        MapForm form;
        ExchangeState exchange;
        QByteArray pending;
        int reads = 0;
        int timerStarts = 0;

        Rig(int linkIndex, qint32 code)
        {
            form.itemCounts[QStringLiteral("ComboBox2")] = 2;
            form.itemCounts[QStringLiteral("MKXINGHAO")] = 3;
            form.indices[QStringLiteral("ComboBox2")] = linkIndex;
            form.indices[QStringLiteral("MKXINGHAO")] = 0;
            form.texts[QStringLiteral("Memo8")] = "before";
            exchange.ExpectedReplyCode = code;
            exchange.ReplyText = "old";
        }
        void receive()
        {
            gatewayDataReadable(
                form, exchange,
                [this] {
                    ++reads;
                    return pending;
                },
                [this] { ++timerStarts; });
        }
    };

private slots:
    void onlyTheGatewayItemReads_data()
    {
        QTest::addColumn<int>("linkIndex");
        QTest::addColumn<bool>("reads");
        QTest::newRow("serial item") << 0 << false;
        QTest::newRow("gateway item") << 1 << true;
        QTest::newRow("typed text, no item") << -1 << false;
    }
    void onlyTheGatewayItemReads()
    {
        QFETCH(int, linkIndex);
        QFETCH(bool, reads);
        Rig rig(linkIndex, 0);
        rig.pending = "TQ1:00001;";
        rig.receive();
        QCOMPARE(rig.reads, reads ? 1 : 0);
        QCOMPARE(rig.exchange.ReplyText, reads ? QByteArray("TQ1:00001;") : QByteArray("old"));
        QCOMPARE(rig.form.texts.value(QStringLiteral("Memo8")),
                 reads ? QByteArray("TQ1:00001;") : QByteArray("before"));
        QCOMPARE(rig.timerStarts, reads ? 1 : 0);
    }

    void branchesOnTheExpectedCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<int>("timerStarts");
        QTest::addColumn<int>("model");
        QTest::newRow("nothing expected: parse") << 0 << QByteArray("OK") << 1 << 0;
        QTest::newRow("model command 100: parse, unlike serial") << 100 << QByteArray("OK") << 1 << 0;
        QTest::newRow("system read 101: parse") << 101 << QByteArray("TQ1:00042;") << 1 << 0;
        QTest::newRow("reset 1001: shown only") << 1001 << QByteArray("OK") << 0 << 0;
        QTest::newRow("reset 1001 with TY: untouched model") << 1001 << QByteArray("TY:21") << 0 << 0;
        QTest::newRow("test 1003 TY:21 sets the model") << 1003 << QByteArray("TY:21") << 0 << 2;
        QTest::newRow("test 1003 TY:1 model one") << 1003 << QByteArray("TY:1") << 0 << 1;
        QTest::newRow("test 1003 model out of range") << 1003 << QByteArray("TY:91") << 0 << -1;
        QTest::newRow("test 1003 other text") << 1003 << QByteArray("OK") << 0 << 0;
        QTest::newRow("test 1003 ty lower case") << 1003 << QByteArray("ty:21") << 0 << 0;
    }
    void branchesOnTheExpectedCode()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, piece);
        QFETCH(int, timerStarts);
        QFETCH(int, model);
        Rig rig(1, code);
        rig.pending = piece;
        rig.receive();
        QCOMPARE(rig.exchange.ReplyText, piece);
        QCOMPARE(rig.form.texts.value(QStringLiteral("Memo8")), piece);
        QCOMPARE(rig.timerStarts, timerStarts);
        QCOMPARE(rig.form.index(QStringLiteral("MKXINGHAO")), model);
        QCOMPARE(rig.form.index(QStringLiteral("ComboBox2")), 1);
        QCOMPARE(rig.exchange.ExpectedReplyCode, code);
    }

    void aBadModelDigitIsAnErrorAfterTheDisplay_data()
    {
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<QString>("message");
        QTest::newRow("TY: alone") << QByteArray("TY:") << QStringLiteral("'' is not a valid integer value");
        QTest::newRow("TY:x1") << QByteArray("TY:x1") << QStringLiteral("'x' is not a valid integer value");
    }
    void aBadModelDigitIsAnErrorAfterTheDisplay()
    {
        QFETCH(QByteArray, piece);
        QFETCH(QString, message);
        Rig rig(1, 1003);
        rig.pending = piece;
        try {
            rig.receive();
            QFAIL("no conversion error");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(rig.form.texts.value(QStringLiteral("Memo8")), piece);
        QCOMPARE(rig.exchange.ReplyText, piece);
        QCOMPARE(rig.timerStarts, 0);
    }

    void anEmptyReadIsStoredAndParsed()
    {
        Rig rig(1, 0);
        rig.receive();
        QCOMPARE(rig.exchange.ReplyText, QByteArray());
        QCOMPARE(rig.form.texts.value(QStringLiteral("Memo8")), QByteArray());
        QCOMPARE(rig.timerStarts, 1);
    }

    void theDisplayEndsAtNulAndBreaksLines()
    {
        Rig rig(1, 1001);
        rig.pending = QByteArray("L1\r\nL2\0CD", 9);
        rig.receive();
        QCOMPARE(rig.form.texts.value(QStringLiteral("Memo8")), QByteArray("L1\nL2"));
        QCOMPARE(rig.exchange.ReplyText, QByteArray("L1\r\nL2\0CD", 9));
    }
};

QTEST_GUILESS_MAIN(GatewayReceiveTest)
#include "test_gateway_receive.moc"
