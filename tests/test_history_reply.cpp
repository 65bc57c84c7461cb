#include "ProtocolRig.h"

namespace {

// The history selectors at their start items.
const QStringList startValues{"Hyear=11", "Hmonth=01", "Hday=01", "Hhour=00", "Hmin=00", "Hcont=00"};

} // namespace

class HistoryReplyTest : public QObject
{
    Q_OBJECT
private slots:
    void appends_data()
    {
        QTest::addColumn<QByteArrayList>("texts");
        QTest::addColumn<QByteArray>("memo");
        QTest::newRow("one text") << QByteArrayList{"R1"} << QByteArray("R1\r\n");
        QTest::newRow("x then y") << QByteArrayList{"x", "y"} << QByteArray("x\r\ny\r\n");
        QTest::newRow("three texts, separators kept")
            << QByteArrayList{"R1", "R2;line", "R3"} << QByteArray("R1\r\nR2;line\r\nR3\r\n");
        QTest::newRow("own line breaks kept")
            << QByteArrayList{"a\r\nb\rc\nd"} << QByteArray("a\r\nb\rc\nd\r\n");
        QTest::newRow("up to a NUL") << QByteArrayList{QByteArray("ab\0cd", 5)} << QByteArray("ab\r\n");
        QTest::newRow("empty text still ends a line") << QByteArrayList{""} << QByteArray("\r\n");
        QTest::newRow("tags not searched")
            << QByteArrayList{"ST0:00012;K01:113;"} << QByteArray("ST0:00012;K01:113;\r\n");
        QTest::newRow("GBK bytes kept")
            << QByteArrayList{"\xca\xd0\xb5\xe7"} << QByteArray("\xca\xd0\xb5\xe7\r\n");
    }
    void appends()
    {
        QFETCH(QByteArrayList, texts);
        QFETCH(QByteArray, memo);
        ProtocolRig rig;
        rig.set(startValues);
        rig.click("Button125");
        QCOMPARE(rig.serial.sent.join('|'), QByteArray("PPPPPP#REDEEM110101000000#"));
        for (const QByteArray &text : texts) {
            rig.parse(text);
            QCOMPARE(rig.exchange.ExpectedReplyCode, 5000);
            QCOMPARE(rig.exchange.ReplyText, QByteArray());
        }
        QCOMPARE(rig.form.texts["Memo7"], memo);
        QVERIFY(!rig.form.texts.contains("Label80"));
    }

    void appendsAfterWhatTheMemoHolds()
    {
        ProtocolRig rig;
        rig.form.texts["Memo7"] = "earlier\r\n";
        rig.exchange.ExpectedReplyCode = 5000;
        rig.parse("later");
        QCOMPARE(rig.form.texts["Memo7"], QByteArray("earlier\r\nlater\r\n"));
    }

    void manualQueryEndsTheAppends()
    {
        ProtocolRig rig;
        rig.set(startValues);
        rig.click("Button125");
        rig.parse("R1");
        rig.click("Button124");
        QCOMPARE(rig.exchange.ExpectedReplyCode, 999);
        rig.parse("ST0:00012;");
        rig.parse("R2");
        QCOMPARE(rig.form.texts["Memo7"], QByteArray("R1\r\n"));
        QCOMPARE(rig.form.texts["Label80"], QByteArray("00012"));
        QCOMPARE(rig.exchange.ExpectedReplyCode, 0);
    }

    void setCommandEndsTheAppends()
    {
        // A slot's "Set" stores 106: the next text answers it, not the history.
        ProtocolRig rig;
        rig.set(startValues);
        rig.set({"COMAD1@0", "COMDDATA1=0103000000044409"});
        rig.click("Button125");
        rig.parse("R1");
        rig.click("Button73");
        rig.parse("RSTATM:029;");
        QCOMPARE(rig.form.texts["Memo7"], QByteArray("R1\r\n"));
        QCOMPARE(rig.form.texts["RS485DTM"], QByteArray("029"));
    }
};

QTEST_APPLESS_MAIN(HistoryReplyTest)
#include "test_history_reply.moc"
