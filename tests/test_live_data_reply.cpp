#include "ProtocolRig.h"
#include "replies/LiveDataReply.h"

namespace {

// clang-format off
const QStringList before{
    "Label80=old", "Label81=old", "Label82=old",
    "AD1XS=old", "AD2XS=old", "AD3XS=old", "AD4XS=old", "AD5XS=old", "AD6XS=old",
    "PU1XS=old", "PU2XS=old", "PU3XS=old", "IN1XS=old", "IN2XS=old", "IN3XS=old",
};

const QByteArray example = "ST0:00012;TM:25-06-15 12:30;V:12.6;A01:04000;A02:04000;A03:00000;A04:00000;A05:00000;"
                           "A06:00000;P01:000001234;P02:000000000;P03:000000000;K01:113;";
// clang-format on

// GBK bytes of the power supply captions.
const QByteArray Mains("1_\xca\xd0\xb5\xe7");
const QByteArray Battery("0_\xb5\xe7\xb3\xd8");

} // namespace

class LiveDataReplyTest : public QObject
{
    Q_OBJECT
private slots:
    void fills_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("after");
        // clang-format off
        QTest::newRow("example") << example << QStringList{
            "Label80=00012", "Label81=25-06-15 12:30", "Label82=12.6",
            "AD1XS=04000", "AD2XS=04000", "AD3XS=00000", "AD4XS=00000", "AD5XS=00000", "AD6XS=00000",
            "PU1XS=000001234", "PU2XS=000000000", "PU3XS=000000000", "IN2XS=1_CLOSE", "IN3XS=3_Count"};
        QTest::newRow("ST: is no station tag") << QByteArray("ST:00012;") << QStringList{"Label80=old"};
        QTest::newRow("STA: is") << QByteArray("STA:00034;") << QStringList{"Label80=00034"};
        QTest::newRow("ST1: is") << QByteArray("ST1:00056;") << QStringList{"Label80=00056"};
        QTest::newRow("station tag found inside a word") << QByteArray("LAST1:98765;ST0:00012") << QStringList{"Label80=98765"};
        QTest::newRow("clock up to the end without separator") << QByteArray("TM:25-06-15\r\n12:30") << QStringList{"Label81=25-06-15\r\n12:30"};
        QTest::newRow("clock empty before separator") << QByteArray("TM:;V:3.30") << QStringList{"Label81=", "Label82=3.30"};
        QTest::newRow("P01 found inside COMP01") << QByteArray("COMP01:123456789;P01:000000001;") << QStringList{"PU1XS=123456789"};
        QTest::newRow("reading cut by the end") << QByteArray("A06:12") << QStringList{"AD6XS=12", "AD5XS=old"};
        QTest::newRow("K01 029") << QByteArray("K01:029;") << QStringList{"IN2XS=0_Open", "IN3XS=0_Open"};
        QTest::newRow("K01 011") << QByteArray("K01:011;") << QStringList{"IN2XS=1_CLOSE", "IN3XS=1_CLOSE"};
        QTest::newRow("K01 133") << QByteArray("K01:133;") << QStringList{"IN2XS=3_Count", "IN3XS=3_Count"};
        QTest::newRow("K01 cut by the end") << QByteArray("K01:1") << QStringList{"IN2XS=0_Open", "IN3XS=0_Open"};
        QTest::newRow("empty reply") << QByteArray() << before;
        // clang-format on
    }
    void fills()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, after);
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 999;
        rig.parse(reply);
        rig.expect(after);
        QCOMPARE(rig.exchange.ExpectedReplyCode, 0);
        QCOMPARE(rig.exchange.ReplyText, QByteArray());
    }

    void powerSupply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("caption");
        QTest::newRow("mains") << QByteArray("K01:113;") << Mains;
        QTest::newRow("battery on 0") << QByteArray("K01:029;") << Battery;
        QTest::newRow("battery on 3") << QByteArray("K01:3;") << Battery;
        QTest::newRow("battery past the end") << QByteArray("K01:") << Battery;
    }
    void powerSupply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, caption);
        ProtocolRig rig;
        rig.exchange.ExpectedReplyCode = 999;
        rig.parse(reply);
        QCOMPARE(rig.form.texts["IN1XS"], caption);
    }

    void captions()
    {
        QCOMPARE(powerSupplyCaption('1'), Mains);
        QCOMPARE(powerSupplyCaption(std::nullopt), Battery);
        QCOMPARE(digitalInputCaption('3'), QByteArray("3_Count"));
        QCOMPARE(digitalInputCaption('1'), QByteArray("1_CLOSE"));
        QCOMPARE(digitalInputCaption('2'), QByteArray("0_Open"));
        QCOMPARE(digitalInputCaption(std::nullopt), QByteArray("0_Open"));
    }

    void laterTextNotParsed()
    {
        ProtocolRig rig;
        rig.exchange.ExpectedReplyCode = 999;
        rig.parse(example);
        rig.parse("ST0:00099;K01:000;");
        rig.expect({"Label80=00012", "IN2XS=1_CLOSE"});
        QCOMPARE(rig.form.texts["IN1XS"], Mains);
    }
};

QTEST_APPLESS_MAIN(LiveDataReplyTest)
#include "test_live_data_reply.moc"
