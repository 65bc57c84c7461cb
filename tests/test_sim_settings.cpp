#include "test_sim_rig.h"

#include <QTest>

using namespace simtest;

class SimSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    // A write followed by the matching query shows the new value where the tool reads it.
    void reads_back_what_was_written_data()
    {
        QTest::addColumn<QByteArray>("set");
        QTest::addColumn<QByteArray>("query");
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<int>("k");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("station") << QByteArray("ZZZZ") << QByteArray("CHEACK1") << QByteArray("TQ1:") << 4
                                 << QByteArray("00123");
        QTest::newRow("clock") << QByteArray("CFGSET#TM:261231235900#") << QByteArray("CHEACK1")
                               << QByteArray("TM:") << 3 << QByteArray("2612312359");
        QTest::newRow("cycle 30s") << QByteArray("CFGSET#SD:11#") << QByteArray("CHEACK1")
                                   << QByteArray("SD:") << 3 << QByteArray("11");
        QTest::newRow("retention") << QByteArray("CFGSET#SA:5#") << QByteArray("CHEACK1") << QByteArray("SA")
                                   << 3 << QByteArray("5");
        QTest::newRow("output delay") << QByteArray("CFGSET#DY:90#") << QByteArray("CHEACK1")
                                      << QByteArray("DY:") << 3 << QByteArray("90");
        QTest::newRow("network type") << QByteArray("CFGSET#NEX:2#") << QByteArray("CHEACK2")
                                      << QByteArray("NEX:") << 4 << QByteArray("2");
        QTest::newRow("apn") << QByteArray("CFGSET#DNS:CMIOT!#") << QByteArray("CHEACK2") << QByteArray("APN")
                             << 4 << QByteArray("CMIOT;");
        QTest::newRow("apn with #") << QByteArray("CFGSET#DNS:a#b!#") << QByteArray("CHEACK2")
                                    << QByteArray("APN") << 4 << QByteArray("a#b;");
        QTest::newRow("gbk user name") << QByteArray("CFGSET#INA:\xd3\xc3\xbb\xa7!#") << QByteArray("CHEACK2")
                                       << QByteArray("IUR") << 4 << QByteArray("\xd3\xc3\xbb\xa7;");
        QTest::newRow("password") << QByteArray("CFGSET#IWD:secret!#") << QByteArray("CHEACK2")
                                  << QByteArray("IWD") << 4 << QByteArray("secret;");
        QTest::newRow("centre name") << QByteArray("CFGSET#IY1:example.org!#") << QByteArray("CHEACK2")
                                     << QByteArray("IY1:") << 4 << QByteArray("example.org;");
        QTest::newRow("centre address") << QByteArray("CFGSET#IP1:192.168.000.088#") << QByteArray("CHEACK2")
                                        << QByteArray("IP1:") << 4 << QByteArray("192.168.000.088");
        QTest::newRow("centre port") << QByteArray("CFGSET#IH1:07000#") << QByteArray("CHEACK2")
                                     << QByteArray("IH1:") << 4 << QByteArray("07000");
        QTest::newRow("heartbeat") << QByteArray("CFGSET#IT1:0120#") << QByteArray("CHEACK2")
                                   << QByteArray("IT1:") << 4 << QByteArray("0120");
        QTest::newRow("redial") << QByteArray("CFGSET#IR1:0045#") << QByteArray("CHEACK2")
                                << QByteArray("IR1:") << 4 << QByteArray("0045");
        QTest::newRow("udp") << QByteArray("CFGSET#IU1:1#") << QByteArray("CHEACK2") << QByteArray("IU1:")
                             << 4 << QByteArray("1");
        QTest::newRow("gprs off") << QByteArray("CFGSET#IC1:0#") << QByteArray("CHEACK2")
                                  << QByteArray("IC1:") << 4 << QByteArray("0");
        QTest::newRow("AD6 source") << QByteArray("CFGSET#AD6:5#") << QByteArray("CHEACK3")
                                    << QByteArray("AD6:") << 4 << QByteArray("05");
        QTest::newRow("range as typed") << QByteArray("CFGSET#AIN2:100,0,4#") << QByteArray("CHEACK3")
                                        << QByteArray("AIN2:") << 5 << QByteArray("00100,00000,00004");
        QTest::newRow("range with point") << QByteArray("CFGSET#AIN3:2.5,0,0#") << QByteArray("CHEACK3")
                                          << QByteArray("AIN3:") << 5 << QByteArray("002.5");
        QTest::newRow("DI1 pulse counting") << QByteArray("CFGSET#DI1:1#") << QByteArray("CHEACK3")
                                            << QByteArray("DI1:") << 4 << QByteArray("1");
        QTest::newRow("pulse equivalent 2") << QByteArray("CFGSET#PDL02:00001#") << QByteArray("CHEACK3")
                                            << QByteArray("PDL01:") << 18 << QByteArray("00001");
        QTest::newRow("INP3") << QByteArray("CFGSET#INP3:05#") << QByteArray("CHEACK3") << QByteArray("INP3")
                              << 5 << QByteArray("05");
        QTest::newRow("meter type") << QByteArray("CFGSET#MR485X:12#") << QByteArray("CHEACK6")
                                    << QByteArray("READAX:") << 7 << QByteArray("12");
        QTest::newRow("port framing") << QByteArray("CFGSET#RS485A:4,2,1#") << QByteArray("CHEACK6")
                                      << QByteArray("MR485A:") << 7 << QByteArray("4,2,1");
        QTest::newRow("rts delay") << QByteArray("CFGSET#RTSATM:029#") << QByteArray("CHEACK6")
                                   << QByteArray("RSTATM:") << 7 << QByteArray("029");
        QTest::newRow("pulse row ZDPU reads as ZDPD")
            << QByteArray("CFGSET#ZDPU02:2,9,0,17,12#") << QByteArray("CHEACK6") << QByteArray("ZDPD02:") << 7
            << QByteArray("2,009,0,17,00012");
        QTest::newRow("analog row") << QByteArray("CFGSET#ZDAD04:4,015,3,18,00001#") << QByteArray("CHEACK6")
                                    << QByteArray("ZDAD04:") << 7 << QByteArray("4,015,3,18,00001");
        QTest::newRow("slot 3 frame") << QByteArray("CFGSET#COMW3:1,08AABBCCDD#") << QByteArray("COMR03")
                                      << QByteArray("COMR3:") << 6 << QByteArray("1,04,AABBCCDD");
        QTest::newRow("slot 2 long frame")
            << QByteArray("CFGSET#COMW2:0,120" + QByteArray(120, 'A') + "#") << QByteArray("COMR02")
            << QByteArray("COMR2:") << 6 << QByteArray("0,60," + QByteArray(120, 'A'));
        QTest::newRow("slot empty frame") << QByteArray("CFGSET#COMW4:1,00#") << QByteArray("COMR04")
                                          << QByteArray("COMR4:") << 6 << QByteArray("1,00,");
        QTest::newRow("slot 4 parsing") << QByteArray("CFGSET#COMP04:0A0B0C#") << QByteArray("COMP04")
                                        << QByteArray("COMP04:") << 7 << QByteArray("0A0B0C");
    }
    void reads_back_what_was_written()
    {
        QFETCH(QByteArray, set);
        QFETCH(QByteArray, query);
        QFETCH(QByteArray, tag);
        QFETCH(int, k);
        QFETCH(QByteArray, value);
        Rig rig;
        if (set == "ZZZZ")
            set = "CFGSET#ST:00123#";
        QVERIFY(rig.ask(set) != Collector::refusal);
        QCOMPARE(fieldAt(rig.ask("PPPPPP#" + query + "#"), tag, k, int(value.size())), value);
    }

    // A value that would not fit its reply field is refused and changes nothing.
    void refuses_bad_values_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("query");
        QTest::newRow("station too long") << QByteArray("CFGSET#ST:123456#") << QByteArray("PPPPPP#CHEACK1#");
        QTest::newRow("negative station") << QByteArray("CFGSET#ST:-0001#") << QByteArray("PPPPPP#CHEACK1#");
        QTest::newRow("clock 11 digits")
            << QByteArray("CFGSET#TM:25701000000#") << QByteArray("PPPPPP#CHEACK1#");
        QTest::newRow("clock month 13")
            << QByteArray("CFGSET#TM:251301000000#") << QByteArray("PPPPPP#CHEACK1#");
        QTest::newRow("cycle none selected") << QByteArray("CFGSET#SD:0-1#") << QByteArray("PPPPPP#CHEACK1#");
        QTest::newRow("retention -1") << QByteArray("CFGSET#SA:-1#") << QByteArray("PPPPPP#CHEACK1#");
        QTest::newRow("address group 256")
            << QByteArray("CFGSET#IP1:256.000.000.001#") << QByteArray("PPPPPP#CHEACK2#");
        QTest::newRow("address group -001")
            << QByteArray("CFGSET#IP1:-001.000.000.001#") << QByteArray("PPPPPP#CHEACK2#");
        QTest::newRow("text with ;") << QByteArray("CFGSET#DNS:a;b!#") << QByteArray("PPPPPP#CHEACK2#");
        QTest::newRow("empty range") << QByteArray("CFGSET#AIN1:,,#") << QByteArray("PPPPPP#CHEACK3#");
        QTest::newRow("range too wide")
            << QByteArray("CFGSET#AIN1:200000,0,0#") << QByteArray("PPPPPP#CHEACK3#");
        QTest::newRow("INP none selected") << QByteArray("CFGSET#INP1:0-1#") << QByteArray("PPPPPP#CHEACK3#");
        QTest::newRow("negative equivalent")
            << QByteArray("CFGSET#PDL01:-00005#") << QByteArray("PPPPPP#CHEACK3#");
        QTest::newRow("slot none selected")
            << QByteArray("CFGSET#COMW2:-1,160103000000044409#") << QByteArray("PPPPPP#COMR02#");
        QTest::newRow("slot length wrong")
            << QByteArray("CFGSET#COMW1:1,1401030000#") << QByteArray("PPPPPP#COMR01#");
        QTest::newRow("parsing bytes short")
            << QByteArray("CFGSET#COMP01:130#") << QByteArray("PPPPPP#COMP01#");
        QTest::newRow("framing -1") << QByteArray("CFGSET#RS485A:-1,0,0#") << QByteArray("PPPPPP#CHEACK6#");
        QTest::newRow("row address too long")
            << QByteArray("CFGSET#ZDAD01:0,0003,0,00,00001#") << QByteArray("PPPPPP#CHEACK6#");
        QTest::newRow("unknown key") << QByteArray("CFGSET#XYZ:1#") << QByteArray("PPPPPP#CHEACK1#");
        QTest::newRow("model 3") << QByteArray("CFGMOD:3#") << QByteArray("PPPPPP#VAR#");
    }
    void refuses_bad_values()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, query);
        Rig rig;
        const QByteArray before = rig.ask(query);
        QCOMPARE(rig.ask(command), QByteArray(Collector::refusal));
        QCOMPARE(rig.ask(query), before);
    }

    void refuses_unknown_queries_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("unknown name") << QByteArray("PPPPPP#CHEACK4#");
        QTest::newRow("slot 5") << QByteArray("PPPPPP#COMR05#");
        QTest::newRow("short history") << QByteArray("PPPPPP#REDEEM1107010000#");
        QTest::newRow("history month 13") << QByteArray("PPPPPP#REDEEM111301000005#");
        QTest::newRow("bare text") << QByteArray("hello");
    }
    void refuses_unknown_queries()
    {
        QFETCH(QByteArray, command);
        Rig rig;
        QCOMPARE(rig.collector.answer(command, Link::Serial), QList<QByteArray>{Collector::refusal});
    }

    void sends_the_asked_number_of_records_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<int>("records");
        QTest::newRow("20 from the start") << QByteArray("110101000020") << 20;
        QTest::newRow("80 asked") << QByteArray("110101000080") << 80;
        QTest::newRow("3 from the last hour") << QByteArray("250615113003") << 3;
        QTest::newRow("after the last record") << QByteArray("250615123500") << 0;
        QTest::newRow("none asked") << QByteArray("110101000000") << 0;
    }
    void sends_the_asked_number_of_records()
    {
        QFETCH(QByteArray, fields);
        QFETCH(int, records);
        Rig rig;
        const QList<QByteArray> pieces = rig.collector.answer("PPPPPP#REDEEM" + fields + "#", Link::Tcp);
        if (records == 0) {
            QCOMPARE(pieces, QList<QByteArray>{Collector::noRecords});
            return;
        }
        QCOMPARE(pieces.size(), records);
        for (const QByteArray &piece : pieces) {
            QVERIFY(!piece.contains('\0'));
            QVERIFY(piece.startsWith("REC:"));
        }
        if (fields.startsWith("2506151130"))
            QCOMPARE(fieldAt(pieces.first(), "TM:", 3, 14), QByteArray("25-06-15 11:30"));
    }

    void clears_history_on_request()
    {
        Rig rig;
        QCOMPARE(rig.collector.storedRecords(), qsizetype(200));
        QCOMPARE(rig.ask("CFGSET#SA:6#"), QByteArray("OK"));
        QCOMPARE(rig.collector.storedRecords(), qsizetype(0));
        QCOMPARE(rig.ask("PPPPPP#REDEEM110101000020#"), QByteArray(Collector::noRecords));
    }
};

QTEST_GUILESS_MAIN(SimSettingsTest)
#include "test_sim_settings.moc"
