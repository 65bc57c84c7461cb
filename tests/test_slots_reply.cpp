#include "ProtocolRig.h"
#include "commands/HandlerError.h"

namespace {

// clang-format off
const QStringList before{
    "COMAD1@99", "COMDDATA1=old", "ACOMBY1=o1", "ACOMBY2=o2", "ACOMBY3=o3",
    "COMAD2@99", "COMDDATA2=old", "BCOMBY1=o1", "BCOMBY2=o2", "BCOMBY3=o3",
    "COMAD3@99", "COMDDATA3=old", "CCOMBY1=o1", "CCOMBY2=o2", "CCOMBY3=o3",
    "COMAD4@99", "COMDDATA4=old", "DCOMBY1=o1", "DCOMBY2=o2", "DCOMBY3=o3",
};
// clang-format on

} // namespace

class SlotsReplyTest : public QObject
{
    Q_OBJECT
private slots:
    void commandSlot_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("after");
        // clang-format off
        QTest::newRow("example") << QByteArray("COMR1:1,08,0103000000044409") << QStringList{"COMAD1@1", "COMDDATA1=0103000000044409", "COMAD2@99"};
        QTest::newRow("count 0 empties the command") << QByteArray("COMR2:1,00,") << QStringList{"COMAD2@1", "COMDDATA2="};
        QTest::newRow("count 3 takes six characters") << QByteArray("COMR1:0,03,0103000000") << QStringList{"COMAD1@0", "COMDDATA1=010300"};
        QTest::newRow("slots 1 and 3 only") << QByteArray("COMR1:1,01,AB;COMR3:0,02,CDEF;") << QStringList{
            "COMAD1@1", "COMDDATA1=AB", "COMAD2@99", "COMDDATA2=old", "COMAD3@0", "COMDDATA3=CDEF", "COMAD4@99", "COMDDATA4=old"};
        QTest::newRow("slot 4, fields not examined between") << QByteArray("COMR4:1x02y0A0B") << QStringList{"COMAD4@1", "COMDDATA4=0A0B"};
        QTest::newRow("count beyond the text: what is there") << QByteArray("COMR1:1,08,0103") << QStringList{"COMAD1@1", "COMDDATA1=0103"};
        QTest::newRow("count beyond an empty rest") << QByteArray("COMR2:0,99") << QStringList{"COMAD2@0", "COMDDATA2="};
        QTest::newRow("negative count") << QByteArray("COMR3:1,-1,0103") << QStringList{"COMAD3@1", "COMDDATA3="};
        QTest::newRow("query tag with two digits is not the reply tag") << QByteArray("COMR01:1,01,AB") << QStringList{"COMAD1@99", "COMDDATA1=old"};
        QTest::newRow("none of the tags") << QByteArray("OK") << before;
        // clang-format on
    }
    void commandSlot()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, after);
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 1501;
        rig.parse(reply);
        rig.expect(after);
        QCOMPARE(rig.exchange.ExpectedReplyCode, 1501);
        QCOMPARE(rig.exchange.ReplyText, reply);
    }

    void failingCountStopsTheSlots()
    {
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 1501;
        QCOMPARE(rig.conversionErrorOf("COMR1:1,0x,0103;COMR2:1,01,AB"),
                 QStringLiteral("'0x' is not a valid integer value"));
        rig.expect({"COMAD1@1", "COMDDATA1=old", "COMAD2@99", "COMDDATA2=old"});
        QCOMPARE(rig.exchange.ExpectedReplyCode, 1501);
    }

    void commandSlotStaysInForce()
    {
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 1501;
        rig.parse("COMR1:1,01,AB");
        rig.parse("COMR2:1,02,CDEF");
        rig.expect({"COMDDATA1=AB", "COMAD2@1", "COMDDATA2=CDEF"});
        QCOMPARE(rig.exchange.ExpectedReplyCode, 1501);
    }

    void slotBytes_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("after");
        // clang-format off
        QTest::newRow("example") << QByteArray("COMP01:010300") << QStringList{"ACOMBY1=01", "ACOMBY2=03", "ACOMBY3=00", "BCOMBY1=o1"};
        QTest::newRow("all four slots") << QByteArray("COMP01:0A0B0C;COMP02:111213;COMP03:212223;COMP04:313233") << QStringList{
            "ACOMBY1=0A", "ACOMBY2=0B", "ACOMBY3=0C", "BCOMBY1=11", "BCOMBY2=12", "BCOMBY3=13",
            "CCOMBY1=21", "CCOMBY2=22", "CCOMBY3=23", "DCOMBY1=31", "DCOMBY2=32", "DCOMBY3=33"};
        QTest::newRow("slot 3 only") << QByteArray("COMP03:AABBCC") << QStringList{"CCOMBY1=AA", "CCOMBY2=BB", "CCOMBY3=CC", "ACOMBY1=o1", "DCOMBY1=o1"};
        QTest::newRow("bytes cut by the end") << QByteArray("COMP02:010") << QStringList{"BCOMBY1=01", "BCOMBY2=0", "BCOMBY3="};
        QTest::newRow("one-digit tag is no slot tag") << QByteArray("OK;COMP1:111111") << before;
        // clang-format on
    }
    void slotBytes()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, after);
        ProtocolRig rig;
        rig.set(before);
        rig.exchange.ExpectedReplyCode = 1502;
        rig.parse(reply);
        rig.expect(after);
        QCOMPARE(rig.exchange.ExpectedReplyCode, 1502);
    }

    void slotBytesStayInForce()
    {
        // The parsing-bytes "Set" stores 1502; every later text is parsed again.
        ProtocolRig rig;
        rig.set(before);
        rig.set({"ACOMBY1=01", "ACOMBY2=03", "ACOMBY3=00"});
        rig.click("Button75");
        QCOMPARE(rig.exchange.ExpectedReplyCode, 1502);
        rig.parse("COMP01:0A0B0C");
        rig.expect({"ACOMBY1=0A", "ACOMBY2=0B", "ACOMBY3=0C"});
        rig.parse("OK;COMP1:111111");
        rig.expect({"ACOMBY1=0A", "ACOMBY2=0B", "ACOMBY3=0C"});
        rig.parse("COMP01:010300");
        rig.expect({"ACOMBY1=01", "ACOMBY2=03", "ACOMBY3=00"});
        QCOMPARE(rig.exchange.ExpectedReplyCode, 1502);
    }
};

QTEST_APPLESS_MAIN(SlotsReplyTest)
#include "test_slots_reply.moc"
