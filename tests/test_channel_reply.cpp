#include "ProtocolRig.h"
#include "commands/HandlerError.h"

namespace {

// Every control of the page holds a marker before the reply, so an untouched one shows.
// clang-format off
const QStringList before{
    "AD01TNG@99", "AD02TNG@99", "AD03TNG@99", "AD04TNG@99", "AD05TNG@99", "AD06TNG@99",
    "AD1H=old", "AD1L=old", "AD1LD=old", "AD2H=old", "AD2L=old", "AD2LD=old",
    "AD3H=old", "AD3L=old", "AD3LD=old", "AD4H=old", "AD4L=old", "AD4LD=old",
    "DIN1@0", "DIN2@0", "DLA1=old", "DLA2=old", "INP1@99", "INP2@99", "INP3@99",
};

const QByteArray example = "AD1:01;AD2:02;AD3:07;AD4:08;AD5:00;AD6:00;AIN1:20000,04000,00000;AIN2:20000,04000,00000;"
                           "AIN3:10000,00000,00000;AIN4:10000,00000,00000;DI1:0;DI2:1;PDL01:00010;PDL02:00100;"
                           "INP1:01;INP2:02;INP3:00;";
// clang-format on

} // namespace

class ChannelReplyTest : public QObject
{
    Q_OBJECT
private slots:
    void fills_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("after");
        // clang-format off
        QTest::newRow("example") << example << QStringList{
            "AD01TNG@1", "AD02TNG@2", "AD03TNG@7", "AD04TNG@8", "AD05TNG@0", "AD06TNG@0",
            "AD1H=20000", "AD1L=04000", "AD1LD=00000", "AD2H=20000", "AD2L=04000", "AD2LD=00000",
            "AD3H=10000", "AD3L=00000", "AD3LD=00000", "AD4H=10000", "AD4L=00000", "AD4LD=00000",
            "DIN1@0", "DIN2@1", "DLA1=00010", "DLA2=00100", "INP1@1", "INP2@2", "INP3@0"};
        QTest::newRow("AD1 without AD2") << QByteArray("AD1:03;") << QStringList{"AD01TNG@3", "AD02TNG@99", "AD06TNG@99"};
        QTest::newRow("tags in any order") << QByteArray("INP1:02;AD6:09;") << QStringList{"INP1@2", "AD06TNG@9"};
        QTest::newRow("first occurrence wins") << QByteArray("AD1:02;AD1:03;") << QStringList{"AD01TNG@2"};
        QTest::newRow("index with a blank") << QByteArray("AD1: 5;") << QStringList{"AD01TNG@5"};
        QTest::newRow("four-digit URV shifts the fields") << QByteArray("AIN2:2000,04000,00000;") << QStringList{"AD2H=2000,", "AD2L=4000,", "AD2LD=0000;", "AD1H=old"};
        QTest::newRow("separators not examined") << QByteArray("AIN3:11111x22222y33333") << QStringList{"AD3H=11111", "AD3L=22222", "AD3LD=33333"};
        QTest::newRow("range cut by the end") << QByteArray("AIN4:12345,678") << QStringList{"AD4H=12345", "AD4L=678", "AD4LD="};
        QTest::newRow("PDL01 alone at the end") << QByteArray("INP2:03;PDL01:00010") << QStringList{"INP2@3", "DLA1=00010", "DLA2="};
        QTest::newRow("second equivalent misplaced") << QByteArray("PDL01:00010;PDL2:00100;INP1:01") << QStringList{"DLA1=00010", "DLA2=0100;", "INP1@1"};
        QTest::newRow("PDL02 alone is no tag") << QByteArray("PDL02:00100;") << QStringList{"DLA1=old", "DLA2=old"};
        QTest::newRow("INP3 inside other text") << QByteArray("XINP3X04;INP3:01;") << QStringList{"INP3@4"};
        QTest::newRow("DI1 pulse counting") << QByteArray("DI1:1;") << QStringList{"DIN1@1", "DIN2@0"};
        QTest::newRow("text before a NUL only") << QByteArray("AD1:04\0AD2:05;", 14) << QStringList{"AD01TNG@4", "AD02TNG@99"};
        QTest::newRow("empty reply") << QByteArray() << before;
        // clang-format on
    }
    void fills()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, after);
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 103;
        rig.parse(reply);
        rig.expect(after);
        QCOMPARE(rig.exchange.ExpectedReplyCode, 0);
        QCOMPARE(rig.exchange.ReplyText, QByteArray());
        // The pulse base buttons follow DIN1/DIN2 only on the user's pick.
        QVERIFY(rig.form.enabled.isEmpty());
    }

    void indexBeyondItems()
    {
        ProtocolRig rig;
        rig.form.itemCounts["AD01TNG"] = 10;
        rig.form.itemCounts["INP1"] = 6;
        rig.set({"AD01TNG@1", "INP1@1"});
        rig.exchange.ExpectedReplyCode = 103;
        rig.parse("AD1:10;INP1:06;");
        rig.expect({"AD01TNG@-1", "INP1@-1"});
    }

    void conversionErrorEndsTheBranch()
    {
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 103;
        QCOMPARE(rig.conversionErrorOf("AD1:01;AD2:0a;AD3:07;AIN1:20000,04000,00000;"),
                 QStringLiteral("'0a' is not a valid integer value"));
        rig.expect({"AD01TNG@1", "AD02TNG@99", "AD03TNG@99", "AD1H=old"});
        QCOMPARE(rig.exchange.ExpectedReplyCode, 103);
        QVERIFY(!rig.exchange.ReplyText.isEmpty());
    }

    void laterTextNotParsed()
    {
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 103;
        rig.parse(example);
        rig.parse("AD1:05;PDL01:11111;");
        rig.expect({"AD01TNG@1", "DLA1=00010"});
    }
};

QTEST_APPLESS_MAIN(ChannelReplyTest)
#include "test_channel_reply.moc"
