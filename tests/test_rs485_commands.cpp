#include "ProtocolRig.h"
#include "commands/HandlerError.h"

namespace {

// "Comm Settings 1" as it starts: 9600 baud, no parity, one stop bit, meter type closed,
// the seven direct-read rows closed with their start addresses, length "0", coefficient "00001".
// clang-format off
const QStringList startValues{
    "MR485BT@3", "MR485JN@0", "RS485STOP@0", "RS485AXIEY@0",
    "MAD1USE@0", "MAD1MADR=003", "MAD1DADR=0", "MAD1XIN@0", "MAD1XS=00001",
    "MAD2USE@0", "MAD2MADR=007", "MAD2DADR=0", "MAD2XIN@0", "MAD2XS=00001",
    "MAD3USE@0", "MAD3MADR=011", "MAD3DADR=0", "MAD3XIN@0", "MAD3XS=00001",
    "MAD4USE@0", "MAD4MADR=015", "MAD4DADR=0", "MAD4XIN@0", "MAD4XS=00001",
    "MPD1USE@0", "MPD1MADR=003", "MPD1DADR=0", "MPD1XIN@0", "MPD1XS=00001",
    "MPD2USE@0", "MPD2MADR=007", "MPD2DADR=0", "MPD2XIN@0", "MPD2XS=00001",
    "MPD3USE@0", "MPD3MADR=011", "MPD3DADR=0", "MPD3XIN@0", "MPD3XS=00001",
};
// clang-format on

} // namespace

class Rs485CommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void sends_data()
    {
        addCommandColumns();

        // clang-format off
        commandRow("meter type closed", "Button78", {}, 0, "CFGSET#MR485X:00#", "");
        commandRow("meter type closed, IP", "Button78", {}, 1, "", "ZZZZCFGSET#MR485X:00#");
        commandRow("meter type direct command read", "Button78", {"RS485AXIEY@2"}, 0, "CFGSET#MR485X:02#", "");
        commandRow("meter type 9", "Button78", {"RS485AXIEY@9"}, 0, "CFGSET#MR485X:09#", "");
        commandRow("meter type 10", "Button78", {"RS485AXIEY@10"}, 0, "CFGSET#MR485X:10#", "");
        commandRow("meter type Dalian Haifeng", "Button78", {"RS485AXIEY@12"}, 0, "CFGSET#MR485X:12#", "");
        commandRow("meter type empty item 14", "Button78", {"RS485AXIEY@14"}, 0, "CFGSET#MR485X:14#", "");
        commandRow("meter type no selection", "Button78", {"RS485AXIEY@-1"}, 0, "CFGSET#MR485X:0-1#", "");

        commandRow("port 9600 none 1", "Button11", {}, 0, "CFGSET#RS485A:3,0,0#", "");
        commandRow("port 9600 none 1, IP", "Button11", {}, 1, "", "ZZZZCFGSET#RS485A:3,0,0#");
        commandRow("port 19200 even 2: baud, parity, stop", "Button11", {"MR485BT@4", "MR485JN@2", "RS485STOP@1"}, 0, "CFGSET#RS485A:4,2,1#", "");
        commandRow("port odd parity one stop bit", "Button11", {"MR485BT@4", "MR485JN@1", "RS485STOP@0"}, 0, "CFGSET#RS485A:4,1,0#", "");
        commandRow("port baud no selection", "Button11", {"MR485BT@-1"}, 0, "CFGSET#RS485A:-1,0,0#", "");

        commandRow("RTS 29", "Button83", {"RS485DTM=29"}, 0, "CFGSET#RTSATM:029#", "");
        commandRow("RTS 29, IP", "Button83", {"RS485DTM=29"}, 1, "", "ZZZZCFGSET#RTSATM:029#");
        commandRow("RTS 240", "Button83", {"RS485DTM=240"}, 0, "CFGSET#RTSATM:240#", "");
        commandRow("RTS 5", "Button83", {"RS485DTM=5"}, 0, "CFGSET#RTSATM:005#", "");
        commandRow("RTS four digits in full", "Button83", {"RS485DTM=1234"}, 0, "CFGSET#RTSATM:1234#", "");
        commandRow("RTS negative", "Button83", {"RS485DTM=-7"}, 0, "CFGSET#RTSATM:-007#", "");

        commandRow("MAD3 row start values", "Button170", {}, 0, "CFGSET#ZDAD01:0,003,0,00,00001#", "");
        commandRow("MAD3 row start values, IP", "Button170", {}, 1, "", "ZZZZCFGSET#ZDAD01:0,003,0,00,00001#");
        commandRow("MAD4 row start values", "Button171", {}, 0, "CFGSET#ZDAD02:0,007,0,00,00001#", "");
        commandRow("MAD5 row start values", "Button172", {}, 0, "CFGSET#ZDAD03:0,011,0,00,00001#", "");
        commandRow("MAD6 row start values", "Button12", {}, 0, "CFGSET#ZDAD04:0,015,0,00,00001#", "");
        commandRow("MPU3 row start values", "Button174", {}, 0, "CFGSET#ZDPU01:0,003,0,00,00001#", "");
        commandRow("MPU4 row start values", "Button175", {}, 0, "CFGSET#ZDPU02:0,007,0,00,00001#", "");
        commandRow("MPU5 row start values", "Button16", {}, 0, "CFGSET#ZDPU03:0,011,0,00,00001#", "");
        commandRow("MPU5 row start values, IP", "Button16", {}, 1, "", "ZZZZCFGSET#ZDPU03:0,011,0,00,00001#");
        commandRow("MAD3 every column", "Button170", {"MAD1USE@4", "MAD1MADR=103", "MAD1DADR=2", "MAD1XIN@5", "MAD1XS=00010"}, 0, "CFGSET#ZDAD01:4,103,2,05,00010#", "");
        commandRow("MAD4 data format 17", "Button171", {"MAD2XIN@17"}, 0, "CFGSET#ZDAD02:0,007,0,17,00001#", "");
        commandRow("MAD5 empty data format item 18", "Button172", {"MAD3XIN@18"}, 0, "CFGSET#ZDAD03:0,011,0,18,00001#", "");
        commandRow("MPU3 empty data format item 18", "Button174", {"MPD1XIN@18"}, 0, "CFGSET#ZDPU01:0,003,0,18,00001#", "");
        commandRow("MPU4 data format no selection", "Button175", {"MPD2XIN@-1"}, 0, "CFGSET#ZDPU02:0,007,0,0-1,00001#", "");
        commandRow("MPU5 texts as typed", "Button16", {"MPD3MADR=a.b", "MPD3DADR=", "MPD3XS=1.5"}, 0, "CFGSET#ZDPU03:0,a.b,,00,1.5#", "");
        // clang-format on
    }
    void sends() { checkCommandRow(startValues, 106, 106); }

    void refusesRtsDelay_data()
    {
        QTest::addColumn<QByteArray>("delay");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("point") << QByteArray("2.5");
        QTest::newRow("minus alone") << QByteArray("-");
    }
    void refusesRtsDelay()
    {
        QFETCH(QByteArray, delay);
        ProtocolRig rig;
        rig.form.texts["RS485DTM"] = delay;
        rig.set({"discomm=before", "Memo8=shown"});
        try {
            rig.click("Button83");
            QFAIL("no conversion error");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(),
                     QStringLiteral("'%1' is not a valid integer value").arg(QString(delay)));
        }
        QVERIFY(rig.serial.sent.isEmpty());
        QCOMPARE(rig.form.texts["discomm"], QByteArray("before"));
        QCOMPARE(rig.form.texts["Memo8"], QByteArray("shown"));
    }
};

QTEST_APPLESS_MAIN(Rs485CommandsTest)
#include "test_rs485_commands.moc"
