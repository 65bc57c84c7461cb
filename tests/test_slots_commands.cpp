#include "ProtocolRig.h"
#include "commands/HandlerError.h"
#include "commands/SlotValueRules.h"

namespace {

// The four slots and the calibration as they start; the enable box of slot 2 shows
// "0-Close" without a selection.
// clang-format off
const QStringList startValues{
    "COMAD1@0",  "COMDDATA1=0103000000044409", "ACOMBY1=01", "ACOMBY2=03", "ACOMBY3=00",
    "COMAD2@-1", "COMDDATA2=0103000000044409", "BCOMBY1=01", "BCOMBY2=03", "BCOMBY3=00",
    "COMAD3@0",  "COMDDATA3=0103000000044409", "CCOMBY1=01", "CCOMBY2=03", "CCOMBY3=00",
    "COMAD4@0",  "COMDDATA4=0103000000044409", "DCOMBY1=01", "DCOMBY2=03", "DCOMBY3=00",
    "Edit3=0103000000044409",
};
// clang-format on

const QString Frame120 = QString("0103000000044409").repeated(7) + "01030000";
const QString Chinese = QString::fromUtf8("输入数据不能为单数");
const QString English = "Input data must not be singular";

} // namespace

class SlotCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void sends_data()
    {
        addCommandColumns();
        QTest::addColumn<int>("code");

        const QByteArray frame120 = Frame120.toLatin1();
        const QByteArray slot1With120 = "CFGSET#COMW1:0,120" + frame120 + "#";
        // clang-format off
        commandRow("slot 1 start values", "Button73", {}, 0, "CFGSET#COMW1:0,160103000000044409#", "") << 106;
        commandRow("slot 1 start values, IP", "Button73", {}, 1, "", "ZZZZCFGSET#COMW1:0,160103000000044409#") << 106;
        commandRow("slot 1 open", "Button73", {"COMAD1@1"}, 0, "CFGSET#COMW1:1,160103000000044409#", "") << 106;
        commandRow("slot 1 empty frame", "Button73", {"COMDDATA1="}, 0, "CFGSET#COMW1:0,00#", "") << 106;
        commandRow("slot 1 8-character frame", "Button73", {"COMDDATA1=01030000"}, 0, "CFGSET#COMW1:0,0801030000#", "") << 106;
        commandRow("slot 1 120-character frame", "Button73", {"COMDDATA1=" + Frame120}, 0, slot1With120.constData(), "") << 106;
        commandRow("slot 1 even text of other characters", "Button73", {"COMDDATA1=zz"}, 0, "CFGSET#COMW1:0,02zz#", "") << 106;
        commandRow("slot 2 enable without selection", "Button7", {}, 0, "CFGSET#COMW2:-1,160103000000044409#", "") << 106;
        commandRow("slot 2 open, IP", "Button7", {"COMAD2@1"}, 1, "", "ZZZZCFGSET#COMW2:1,160103000000044409#") << 106;
        commandRow("slot 3 start values", "Button39", {}, 0, "CFGSET#COMW3:0,160103000000044409#", "") << 106;
        commandRow("slot 3 in IP mode: serial, bare", "Button39", {}, 1, "CFGSET#COMW3:0,160103000000044409#", "") << 106;
        commandRow("slot 4 open", "Button48", {"COMAD4@1"}, 0, "CFGSET#COMW4:1,160103000000044409#", "") << 106;
        commandRow("slot 4 in IP mode: serial, bare", "Button48", {}, 1, "CFGSET#COMW4:0,160103000000044409#", "") << 106;

        commandRow("parsing bytes 1 start values", "Button75", {}, 0, "CFGSET#COMP01:010300#", "") << 1502;
        commandRow("parsing bytes 1 start values, IP", "Button75", {}, 1, "", "ZZZZCFGSET#COMP01:010300#") << 1502;
        commandRow("parsing bytes 1 one character each", "Button75", {"ACOMBY1=1", "ACOMBY2=3", "ACOMBY3=0"}, 0, "CFGSET#COMP01:130#", "") << 1502;
        commandRow("parsing bytes 2", "Button80", {"BCOMBY1=0A", "BCOMBY2=0B", "BCOMBY3=0C"}, 0, "CFGSET#COMP02:0A0B0C#", "") << 1502;
        commandRow("parsing bytes 2, IP", "Button80", {}, 1, "", "ZZZZCFGSET#COMP02:010300#") << 1502;
        commandRow("parsing bytes 3 in IP mode: serial, bare", "Button43", {}, 1, "CFGSET#COMP03:010300#", "") << 1502;
        commandRow("parsing bytes 4 untested texts", "Button51", {"DCOMBY1=", "DCOMBY2=xyz", "DCOMBY3=;"}, 0, "CFGSET#COMP04:xyz;#", "") << 1502;

        commandRow("calibration start value", "Button45", {}, 0, "CFGSET#COMWZ:0,160103000000044409#", "") << 299;
        commandRow("calibration in IP mode: serial, bare", "Button45", {}, 1, "CFGSET#COMWZ:0,160103000000044409#", "") << 299;
        commandRow("calibration ignores slot enables", "Button45", {"COMAD3@1", "COMAD1@1"}, 0, "CFGSET#COMWZ:0,160103000000044409#", "") << 299;
        commandRow("calibration empty frame", "Button45", {"Edit3="}, 0, "CFGSET#COMWZ:0,00#", "") << 299;
        // clang-format on
    }
    void sends()
    {
        QFETCH(int, code);
        checkCommandRow(startValues, 101, code);
    }

    void refusesOddFrame_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("linkIndex");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("slot 1, 15 characters") << "Button73" << "COMDDATA1=010300000004440" << 0 << Chinese;
        QTest::newRow("slot 1, 15 characters, IP") << "Button73" << "COMDDATA1=010300000004440" << 1 << Chinese;
        QTest::newRow("slot 2, one character") << "Button7" << "COMDDATA2=0" << 0 << Chinese;
        QTest::newRow("slot 3, 15 characters") << "Button39" << "COMDDATA3=010300000004440" << 0 << English;
        QTest::newRow("slot 4, 119 characters") << "Button48" << "COMDDATA4=" + Frame120.chopped(1) << 1 << English;
        QTest::newRow("calibration, 3 characters") << "Button45" << "Edit3=ABC" << 0 << English;
        // clang-format on
    }
    void refusesOddFrame()
    {
        QFETCH(QString, button);
        QFETCH(QString, setting);
        QFETCH(int, linkIndex);
        QFETCH(QString, message);
        ProtocolRig rig(linkIndex);
        rig.set(startValues);
        rig.set({setting, "discomm=PPPPPP#CHEACK1#", "Memo8=shown"});
        rig.exchange.ExpectedReplyCode = 101;
        try {
            rig.click(qPrintable(button));
            QFAIL("no message");
        } catch (const PlainMessage &shown) {
            QCOMPARE(shown.message(), message);
        }
        QVERIFY(rig.serial.sent.isEmpty());
        QVERIFY(rig.gateway.sent.isEmpty());
        QCOMPARE(rig.form.texts["discomm"], QByteArray("PPPPPP#CHEACK1#"));
        QCOMPARE(rig.form.texts["Memo8"], QByteArray("shown"));
        QCOMPARE(rig.exchange.ExpectedReplyCode, 101);
    }

    void frameLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("empty") << 0 << QByteArray("00");
        QTest::newRow("8") << 8 << QByteArray("08");
        QTest::newRow("10") << 10 << QByteArray("10");
        QTest::newRow("16") << 16 << QByteArray("16");
        QTest::newRow("98") << 98 << QByteArray("98");
        QTest::newRow("120") << 120 << QByteArray("120");
        QTest::newRow("1000") << 1000 << QByteArray("1000");
    }
    void frameLength()
    {
        QFETCH(int, length);
        QFETCH(QByteArray, field);
        QCOMPARE(::frameLength(length), field);
    }
};

QTEST_APPLESS_MAIN(SlotCommandsTest)
#include "test_slots_commands.moc"
