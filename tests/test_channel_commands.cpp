#include "ProtocolRig.h"
#include "commands/HandlerError.h"

namespace {

// The page as it starts: AD sources 1, 2, 7, 8, 0, 0; INP1 showing a text without selection.
const QStringList startValues{"AD01TNG@1", "AD02TNG@2", "AD03TNG@7", "AD04TNG@8", "AD05TNG@0", "AD06TNG@0",
                              "INP1@-1",   "INP2@2",    "INP3@0",    "DIN1@0",    "DIN2@0"};

} // namespace

class ChannelCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void sends_data()
    {
        addCommandColumns();

        // clang-format off
        commandRow("AD1 start item", "Button33", {}, 0, "CFGSET#AD1:1#", "");
        commandRow("AD1 start item, IP", "Button33", {}, 1, "", "ZZZZCFGSET#AD1:1#");
        commandRow("AD1 typed link mode", "Button33", {}, -1, "", "ZZZZCFGSET#AD1:1#");
        commandRow("AD2 index 2", "Button34", {}, 0, "CFGSET#AD2:2#", "");
        commandRow("AD3 index 7", "Button35", {}, 0, "CFGSET#AD3:7#", "");
        commandRow("AD4 index 8", "Button18", {}, 0, "CFGSET#AD4:8#", "");
        commandRow("AD5 index 0", "Button20", {}, 0, "CFGSET#AD5:0#", "");
        commandRow("AD6 index 0", "Button8", {}, 0, "CFGSET#AD6:0#", "");
        commandRow("AD6 power supply, IP", "Button8", {"AD06TNG@9"}, 1, "", "ZZZZCFGSET#AD6:9#");
        commandRow("AD1 no selection", "Button33", {"AD01TNG@-1"}, 0, "CFGSET#AD1:-1#", "");

        const QStringList range{"AD1H=100", "AD1L=0", "AD1LD=4", "AD2H=100", "AD2L=0", "AD2LD=4",
                                "AD3H=100", "AD3L=0", "AD3LD=4", "AD4H=100", "AD4L=0", "AD4LD=4"};
        commandRow("AIN1 range", "Button40", range, 0, "CFGSET#AIN1:100,0,4#", "");
        commandRow("AIN1 range, IP", "Button40", range, 1, "", "ZZZZCFGSET#AIN1:100,0,4#");
        commandRow("AIN2 range", "Button42", range, 0, "CFGSET#AIN2:100,0,4#", "");
        commandRow("AIN3 range", "Button24", range, 0, "CFGSET#AIN3:100,0,4#", "");
        commandRow("AIN4 range", "Button36", range, 0, "CFGSET#AIN4:100,0,4#", "");
        commandRow("AIN4 range, IP", "Button36", range, 1, "", "ZZZZCFGSET#AIN4:100,0,4#");
        commandRow("AIN1 empty fields", "Button40", {}, 0, "CFGSET#AIN1:,,#", "");
        commandRow("AIN2 texts as typed", "Button42", {"AD2H= 7 ", "AD2L=-1.5", "AD2LD=x"}, 0, "CFGSET#AIN2: 7 ,-1.5,x#", "");
        commandRow("AIN3 URV, LRV, start in order", "Button24", {"AD3H=3", "AD3L=2", "AD3LD=1"}, 0, "CFGSET#AIN3:3,2,1#", "");

        commandRow("DI1 pulse counting", "Button46", {"DIN1@1"}, 0, "CFGSET#DI1:1#", "");
        commandRow("DI1 pulse counting, IP unprefixed", "Button46", {"DIN1@1"}, 1, "", "CFGSET#DI1:1#");
        commandRow("DI2 digital signal", "Button47", {}, 0, "CFGSET#DI2:0#", "");
        commandRow("DI2 digital signal, IP unprefixed", "Button47", {}, 1, "", "CFGSET#DI2:0#");

        commandRow("INP1 index 1", "Button22", {"INP1@1"}, 0, "CFGSET#INP1:01#", "");
        commandRow("INP1 index 1, IP", "Button22", {"INP1@1"}, 1, "", "ZZZZCFGSET#INP1:01#");
        commandRow("INP1 at start, no selection", "Button22", {}, 0, "CFGSET#INP1:0-1#", "");
        commandRow("INP2 index 2", "Button23", {}, 0, "CFGSET#INP2:02#", "");
        commandRow("INP3 index 0", "Button17", {}, 0, "CFGSET#INP3:00#", "");
        commandRow("INP3 last item", "Button17", {"INP3@5"}, 0, "CFGSET#INP3:05#", "");

        commandRow("LP1 1234", "Button52", {"PUSET1=1234"}, 0, "CFGSET#LP1:00001234#", "");
        commandRow("LP1 1234, IP", "Button52", {"PUSET1=1234"}, 1, "", "ZZZZCFGSET#LP1:00001234#");
        commandRow("LP1 nine digits in full", "Button52", {"PUSET1=123456789"}, 0, "CFGSET#LP1:123456789#", "");
        commandRow("LP2 0", "Button53", {"PUSET2=0"}, 0, "CFGSET#LP2:00000000#", "");
        commandRow("LP2 hex", "Button53", {"PUSET2=$FF"}, 0, "CFGSET#LP2:00000255#", "");
        commandRow("PDL01 10", "Button95", {"DLA1=10"}, 0, "CFGSET#PDL01:00010#", "");
        commandRow("PDL01 10, IP", "Button95", {"DLA1=10"}, 1, "", "ZZZZCFGSET#PDL01:00010#");
        commandRow("PDL01 negative", "Button95", {"DLA1=-5"}, 0, "CFGSET#PDL01:-00005#", "");
        commandRow("PDL02 1", "Button96", {"DLA2=1"}, 0, "CFGSET#PDL02:00001#", "");
        commandRow("PDL02 six digits in full", "Button96", {"DLA2=123456"}, 0, "CFGSET#PDL02:123456#", "");
        // clang-format on
    }
    void sends() { checkCommandRow(startValues, 103, 103); }

    void refusesNonInteger_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("message");
        QTest::newRow("LP1 empty") << "Button52" << QStringList{} << "'' is not a valid integer value";
        QTest::newRow("LP2 empty") << "Button53" << QStringList{} << "'' is not a valid integer value";
        QTest::newRow("PDL01 letters")
            << "Button95" << QStringList{"DLA1=abc"} << "'abc' is not a valid integer value";
        QTest::newRow("PDL02 decimal")
            << "Button96" << QStringList{"DLA2=1.5"} << "'1.5' is not a valid integer value";
    }
    void refusesNonInteger()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, settings);
        QFETCH(QString, message);
        ProtocolRig rig;
        rig.set(startValues);
        rig.set(settings);
        rig.set({"discomm=before", "Memo8=shown"});
        try {
            rig.click(qPrintable(button));
            QFAIL("no conversion error");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), message);
        }
        QVERIFY(rig.serial.sent.isEmpty());
        QCOMPARE(rig.form.texts["discomm"], QByteArray("before"));
        QCOMPARE(rig.form.texts["Memo8"], QByteArray("shown"));
    }
};

QTEST_APPLESS_MAIN(ChannelCommandsTest)
#include "test_channel_commands.moc"
