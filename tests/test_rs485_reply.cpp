#include "ProtocolRig.h"
#include "commands/HandlerError.h"

namespace {

// clang-format off
const QStringList before{
    "MR485BT@99", "MR485JN@99", "RS485STOP@99", "RS485DTM=old", "RS485AXIEY@99",
    "MAD1USE@99", "MAD1MADR=old", "MAD1DADR=old", "MAD1XIN@99", "MAD1XS=old",
    "MAD2USE@99", "MAD2MADR=old", "MAD2DADR=old", "MAD2XIN@99", "MAD2XS=old",
    "MAD3USE@99", "MAD3MADR=old", "MAD3DADR=old", "MAD3XIN@99", "MAD3XS=old",
    "MAD4USE@99", "MAD4MADR=old", "MAD4DADR=old", "MAD4XIN@99", "MAD4XS=old",
    "MPD1USE@99", "MPD1MADR=old", "MPD1DADR=old", "MPD1XIN@99", "MPD1XS=old",
    "MPD2USE@99", "MPD2MADR=old", "MPD2DADR=old", "MPD2XIN@99", "MPD2XS=old",
    "MPD3USE@99", "MPD3MADR=old", "MPD3DADR=old", "MPD3XIN@99", "MPD3XS=old",
};

const QByteArray example = "MR485A:3,0,0;RSTATM:010;READAX:02;ZDAD01:1,003,0,00,00001;ZDAD02:0,007,0,00,00001;"
                           "ZDAD03:0,011,0,00,00001;ZDAD04:0,015,0,00,00001;ZDPD01:0,003,0,00,00001;"
                           "ZDPD02:0,007,0,00,00001;ZDPD03:0,011,0,00,00001;";
// clang-format on

} // namespace

class Rs485ReplyTest : public QObject
{
    Q_OBJECT
private slots:
    void fills_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("after");
        // clang-format off
        QTest::newRow("example") << example << QStringList{
            "MR485BT@3", "MR485JN@0", "RS485STOP@0", "RS485DTM=010", "RS485AXIEY@2",
            "MAD1USE@1", "MAD1MADR=003", "MAD1DADR=0", "MAD1XIN@0", "MAD1XS=00001",
            "MAD2USE@0", "MAD2MADR=007", "MAD2DADR=0", "MAD2XIN@0", "MAD2XS=00001",
            "MAD3USE@0", "MAD3MADR=011", "MAD3DADR=0", "MAD3XIN@0", "MAD3XS=00001",
            "MAD4USE@0", "MAD4MADR=015", "MAD4DADR=0", "MAD4XIN@0", "MAD4XS=00001",
            "MPD1USE@0", "MPD1MADR=003", "MPD1DADR=0", "MPD1XIN@0", "MPD1XS=00001",
            "MPD2USE@0", "MPD2MADR=007", "MPD2DADR=0", "MPD2XIN@0", "MPD2XS=00001",
            "MPD3USE@0", "MPD3MADR=011", "MPD3DADR=0", "MPD3XIN@0", "MPD3XS=00001"};
        QTest::newRow("port 19200 even 2, meter 12, every column") << QByteArray("MR485A:4,2,1;RSTATM:029;READAX:12;ZDAD01:1,103,2,05,00010;ZDAD04:4,115,2,17,00040;") << QStringList{
            "MR485BT@4", "MR485JN@2", "RS485STOP@1", "RS485DTM=029", "RS485AXIEY@12",
            "MAD1USE@1", "MAD1MADR=103", "MAD1DADR=2", "MAD1XIN@5", "MAD1XS=00010",
            "MAD4USE@4", "MAD4MADR=115", "MAD4DADR=2", "MAD4XIN@17", "MAD4XS=00040", "MAD2USE@99"};
        QTest::newRow("port without RTS keeps the delay") << QByteArray("MR485A:1,1,0;") << QStringList{"MR485BT@1", "MR485JN@1", "RS485STOP@0", "RS485DTM=old"};
        QTest::newRow("separators not examined") << QByteArray("MR485A:5x2y1;ZDPD02:3a123b4c16d54321") << QStringList{
            "MR485BT@5", "MR485JN@2", "RS485STOP@1", "MPD2USE@3", "MPD2MADR=123", "MPD2DADR=4", "MPD2XIN@16", "MPD2XS=54321"};
        QTest::newRow("pulse rows answer as ZDPD, not ZDPU") << QByteArray("ZDPU01:1,003,0,00,00001;") << QStringList{"MPD1USE@99", "MPD1MADR=old"};
        QTest::newRow("RTS delay cut by the end") << QByteArray("RSTATM:01") << QStringList{"RS485DTM=01"};
        QTest::newRow("coefficient cut by the end") << QByteArray("ZDAD03:2,011,1,03,12") << QStringList{"MAD3USE@2", "MAD3XIN@3", "MAD3XS=12"};
        QTest::newRow("empty reply") << QByteArray() << before;
        // clang-format on
    }
    void fills()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, after);
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 106;
        rig.parse(reply);
        rig.expect(after);
        QCOMPARE(rig.exchange.ExpectedReplyCode, 0);
        QCOMPARE(rig.exchange.ReplyText, QByteArray());
    }

    void answersSlotCommand()
    {
        // A slot's "Set" stores 106, so the collector's answer fills the port settings.
        ProtocolRig rig;
        rig.set({"COMAD1@0", "COMDDATA1=0103000000044409"});
        rig.click("Button73");
        QCOMPARE(rig.exchange.ExpectedReplyCode, 106);
        rig.parse("MR485A:4,2,1;RSTATM:029;");
        rig.expect({"MR485BT@4", "MR485JN@2", "RS485STOP@1", "RS485DTM=029"});
        rig.parse("MR485A:0,0,0;RSTATM:111;");
        rig.expect({"MR485BT@4", "RS485DTM=029"});
    }

    void conversionErrorEndsTheBranch()
    {
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 106;
        QCOMPARE(rig.conversionErrorOf("MR485A:3,x,0;RSTATM:010;"),
                 QStringLiteral("'x' is not a valid integer value"));
        rig.expect({"MR485BT@3", "MR485JN@99", "RS485STOP@99", "RS485DTM=old"});
        QCOMPARE(rig.exchange.ExpectedReplyCode, 106);
    }
};

QTEST_APPLESS_MAIN(Rs485ReplyTest)
#include "test_rs485_reply.moc"
