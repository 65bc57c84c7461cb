#include "MeterAnswer.h"
#include "test_sim_rig.h"

#include <QTest>

using namespace simtest;

class SimReplyFormatsTest : public QObject
{
    Q_OBJECT
private slots:
    // The collector set to the values of a reference reply gives those values at the same offsets.
    void places_fields_like_the_reference_data()
    {
        QTest::addColumn<QList<QByteArray>>("setup");
        QTest::addColumn<QByteArray>("query");
        QTest::addColumn<QByteArray>("reference");
        QTest::addColumn<QList<Field>>("fields");
        QTest::newRow("system parameters")
            << QList<QByteArray>{"CFGSET#ST:00012#", "CFGSET#TM:250615123000#", "CFGSET#SA:3#",
                                 "CFGSET#SD:01#", "CFGSET#DY:05#"}
            << QByteArray("PPPPPP#CHEACK1#") << QByteArray("TQ1:00012;TM:2506151230;SA:3;SD:01;DY:05;ER:000;")
            << QList<Field>{{"TQ1:", 4, 5}, {"TM:", 3, 2}, {"TM:", 5, 2}, {"TM:", 7, 2}, {"TM:", 9, 2},
                            {"TM:", 11, 2}, {"SA", 3, 1},  {"SD:", 3, 2}, {"DY:", 3, 2}, {"ER", 3, 3}};
        QTest::newRow("gprs parameters")
            << QList<QByteArray>{"CFGSET#NEX:4#",
                                 "CFGSET#DNS:net1!#",
                                 "CFGSET#INA:user1!#",
                                 "CFGSET#IWD:!#",
                                 "CFGSET#IP1:010.001.002.003#",
                                 "CFGSET#IY1:center!#",
                                 "CFGSET#IH1:05001#",
                                 "CFGSET#IT1:0060#",
                                 "CFGSET#IR1:0030#",
                                 "CFGSET#IU1:0#",
                                 "CFGSET#IC1:1#"}
            << QByteArray("PPPPPP#CHEACK2#")
            << QByteArray("IA:1;NEX:4;APN:net1;IUR:user1;IWD:;IA1:1;IP1:010.001.002.003;IY1:center;IH1:05001;"
                          "IT1:0060;IR1:0030;IU1:0;IC1:1;XH:18;ER:00000;OIP:010.000.000.005;")
            << QList<Field>{{"IA:", 3, 1},  {"NEX:", 4, 1}, {"APN", 4, 5},  {"IUR", 4, 6},   {"IWD", 4, 1},
                            {"IA1", 4, 1},  {"IP1:", 4, 3}, {"IP1:", 8, 3}, {"IP1:", 12, 3}, {"IP1:", 16, 3},
                            {"IY1:", 4, 7}, {"IH1:", 4, 5}, {"IT1:", 4, 4}, {"IR1:", 4, 4},  {"IU1:", 4, 1},
                            {"IC1:", 4, 1}, {"XH", 3, 2},   {"ER", 3, 5},   {"OIP", 4, 16}};
        QTest::newRow("channel configuration")
            << QList<QByteArray>{"CFGSET#AD1:1#",
                                 "CFGSET#AD2:2#",
                                 "CFGSET#AD3:7#",
                                 "CFGSET#AD4:8#",
                                 "CFGSET#AD5:0#",
                                 "CFGSET#AD6:0#",
                                 "CFGSET#AIN1:20000,04000,00000#",
                                 "CFGSET#AIN2:20000,04000,00000#",
                                 "CFGSET#AIN3:10000,00000,00000#",
                                 "CFGSET#AIN4:10000,00000,00000#",
                                 "CFGSET#DI1:0#",
                                 "CFGSET#DI2:1#",
                                 "CFGSET#PDL01:00010#",
                                 "CFGSET#PDL02:00100#",
                                 "CFGSET#INP1:01#",
                                 "CFGSET#INP2:02#",
                                 "CFGSET#INP3:00#"}
            << QByteArray("PPPPPP#CHEACK3#")
            << QByteArray(
                   "AD1:01;AD2:02;AD3:07;AD4:08;AD5:00;AD6:00;AIN1:20000,04000,00000;AIN2:20000,04000,00000;"
                   "AIN3:10000,00000,00000;AIN4:10000,00000,00000;DI1:0;DI2:1;PDL01:00010;PDL02:00100;"
                   "INP1:01;INP2:02;INP3:00;")
            << QList<Field>{
                   {"AD1:", 4, 2},   {"AD2:", 4, 2},    {"AD3:", 4, 2},   {"AD4:", 4, 2},   {"AD5:", 4, 2},
                   {"AD6:", 4, 2},   {"AIN1:", 5, 5},   {"AIN1:", 11, 5}, {"AIN1:", 17, 5}, {"AIN2:", 5, 5},
                   {"AIN2:", 11, 5}, {"AIN2:", 17, 5},  {"AIN3:", 5, 5},  {"AIN3:", 11, 5}, {"AIN3:", 17, 5},
                   {"AIN4:", 5, 5},  {"AIN4:", 11, 5},  {"AIN4:", 17, 5}, {"DI1:", 4, 1},   {"DI2:", 4, 1},
                   {"PDL01:", 6, 5}, {"PDL01:", 18, 5}, {"INP1", 5, 2},   {"INP2", 5, 2},   {"INP3", 5, 2}};
        QList<Field> channelRow;
        for (const char *tag : {"ZDAD01:", "ZDAD02:", "ZDAD03:", "ZDAD04:", "ZDPD01:", "ZDPD02:", "ZDPD03:"})
            channelRow += QList<Field>{{tag, 7, 1}, {tag, 9, 3}, {tag, 13, 1}, {tag, 15, 2}, {tag, 18, 5}};
        QTest::newRow("rs485 settings")
            << QList<QByteArray>{"CFGSET#RS485A:3,0,0#", "CFGSET#RTSATM:010#", "CFGSET#MR485X:02#",
                                 "CFGSET#ZDAD01:1,003,0,00,00001#"}
            << QByteArray("PPPPPP#CHEACK6#")
            << QByteArray("MR485A:3,0,0;RSTATM:010;READAX:02;ZDAD01:1,003,0,00,00001;ZDAD02:0,007,0,00,00001;"
                          "ZDAD03:0,011,0,00,00001;ZDAD04:0,015,0,00,00001;ZDPD01:0,003,0,00,00001;"
                          "ZDPD02:0,007,0,00,00001;ZDPD03:0,011,0,00,00001;")
            << QList<Field>{{"MR485A:", 7, 1},
                            {"MR485A:", 9, 1},
                            {"MR485A:", 11, 1},
                            {"RSTATM:", 7, 3},
                            {"READAX:", 7, 2}} +
                   channelRow;
        QTest::newRow("command slot")
            << QList<QByteArray>{"CFGSET#COMW1:1,160103000000044409#"} << QByteArray("PPPPPP#COMR01#")
            << QByteArray("COMR1:1,08,0103000000044409")
            << QList<Field>{{"COMR1:", 6, 1}, {"COMR1:", 8, 2}, {"COMR1:", 11, 16}};
        QTest::newRow("slot parsing bytes")
            << QList<QByteArray>{"CFGSET#COMP01:010300#"} << QByteArray("PPPPPP#COMP01#")
            << QByteArray("COMP01:010300")
            << QList<Field>{{"COMP01:", 7, 2}, {"COMP01:", 9, 2}, {"COMP01:", 11, 2}};
        QTest::newRow("live data")
            << QList<QByteArray>{"CFGSET#TM:250615123000#", "CFGSET#AD1:0#",   "CFGSET#AD2:0#",
                                 "CFGSET#AD3:0#",           "CFGSET#AD4:0#",   "CFGSET#AD5:0#",
                                 "CFGSET#AD6:0#",           "CFGSET#DI1:1#",   "CFGSET#LP1:00001234#",
                                 "CFGSET#INP1:01#",         "CFGSET#INP2:00#", "CFGSET#INP3:00#"}
            << QByteArray("PPPPPP#STATUS#")
            << QByteArray(
                   "ST0:00012;TM:25-06-15 12:30:00;V:12.4;A01:00000;A02:00000;A03:00000;A04:00000;A05:00000;"
                   "A06:00000;P01:000001234;P02:000000000;P03:000000000;K01:13")
            << QList<Field>{{"ST?:", 4, 5}, {"TM:", 3, 18}, {"V:", 2, 4},   {"A01:", 4, 5}, {"A02:", 4, 5},
                            {"A03:", 4, 5}, {"A04:", 4, 5}, {"A05:", 4, 5}, {"A06:", 4, 5}, {"P01:", 4, 9},
                            {"P02:", 4, 9}, {"P03:", 4, 9}, {"K01:", 4, 2}};
    }
    void places_fields_like_the_reference()
    {
        QFETCH(QList<QByteArray>, setup);
        QFETCH(QByteArray, query);
        QFETCH(QByteArray, reference);
        QFETCH(QList<Field>, fields);
        Rig rig;
        for (const QByteArray &command : setup)
            QVERIFY2(rig.ask(command) != Collector::refusal, command);
        const QByteArray reply = rig.ask(query);
        for (const Field &f : fields)
            QCOMPARE(fieldAt(reply, f.tag, f.k, f.n), fieldAt(reference, f.tag, f.k, f.n));
    }

    // A write followed by the matching query shows the new value where the tool reads it.
    void answers_the_communication_test_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("link");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("serial") << QByteArray() << int(Link::Serial) << QByteArray("TY:10");
        QTest::newRow("gateway") << QByteArray() << int(Link::Tcp) << QByteArray("TY:11");
        QTest::newRow("after model 2") << QByteArray("CFGMOD:2#") << int(Link::Serial) << QByteArray("TY:20");
        QTest::newRow("after model 0") << QByteArray("CFGMOD:0#") << int(Link::Tcp) << QByteArray("TY:01");
    }
    void answers_the_communication_test()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, link);
        QFETCH(QByteArray, reply);
        Rig rig;
        if (!before.isEmpty())
            QCOMPARE(rig.ask(before), QByteArray("OK"));
        QCOMPARE(rig.ask("PPPPPP#VAR#", Link(link)), reply);
    }

    void answers_slot_commands_like_their_queries()
    {
        Rig rig;
        QCOMPARE(rig.ask("CFGSET#COMW1:1,160103000000044409#"), rig.ask("PPPPPP#CHEACK6#"));
        QCOMPARE(rig.ask("CFGSET#COMP02:112233#"), QByteArray("COMP02:112233"));
        const QByteArray calibration = rig.ask("CFGSET#COMWZ:0,160103000000044409#");
        QVERIFY(calibration.startsWith("COMWZ:0103080"));
        const QByteArray answer = QByteArray::fromHex(calibration.mid(6));
        QCOMPARE(answer.size(), 13);
        QCOMPARE(sim::modbusCrc(answer), quint16(0)); // a frame with its check bytes sums to zero
    }

    void restores_defaults_on_reset()
    {
        Rig rig;
        const QByteArray defaults1 = rig.ask("PPPPPP#CHEACK1#");
        const QByteArray defaults6 = rig.ask("PPPPPP#CHEACK6#");
        rig.ask("CFGSET#ST:00999#");
        rig.ask("CFGSET#RS485A:5,1,1#");
        rig.ask("CFGSET#COMW1:1,04ABCD#");
        QCOMPARE(rig.ask("CFGSET#RESET#"), QByteArray("OK"));
        QCOMPARE(rig.ask("PPPPPP#CHEACK1#"), defaults1);
        QCOMPARE(rig.ask("PPPPPP#CHEACK6#"), defaults6);
        QCOMPARE(rig.ask("PPPPPP#COMR01#"), QByteArray("COMR1:0,08,0103000000044409"));
    }

    void keeps_its_clock_running()
    {
        Rig rig;
        rig.ask("CFGSET#TM:250101235900#");
        rig.now = rig.now.addSecs(125);
        QCOMPARE(fieldAt(rig.ask("PPPPPP#CHEACK1#"), "TM:", 3, 10), QByteArray("2501020001"));
        QCOMPARE(fieldAt(rig.ask("PPPPPP#STATUS#"), "TM:", 3, 18), QByteArray("25-01-02 00:01:05;"));
    }

    void starts_its_clock_at_the_written_time()
    {
        Rig rig;
        rig.now = rig.now.addMSecs(700); // written in the middle of a second of the PC's clock
        rig.ask("CFGSET#TM:250101235900#");
        QCOMPARE(fieldAt(rig.ask("PPPPPP#STATUS#"), "TM:", 3, 18), QByteArray("25-01-01 23:59:00;"));
        rig.now = rig.now.addMSecs(999);
        QCOMPARE(fieldAt(rig.ask("PPPPPP#STATUS#"), "TM:", 3, 18), QByteArray("25-01-01 23:59:00;"));
        rig.now = rig.now.addMSecs(1);
        QCOMPARE(fieldAt(rig.ask("PPPPPP#STATUS#"), "TM:", 3, 18), QByteArray("25-01-01 23:59:01;"));
    }

    void live_readings_change_over_time()
    {
        Rig rig;
        const QByteArray first = rig.ask("PPPPPP#STATUS#");
        rig.now = rig.now.addSecs(37);
        const QByteArray later = rig.ask("PPPPPP#STATUS#");
        QVERIFY(fieldAt(first, "A01:", 4, 5) != fieldAt(later, "A01:", 4, 5));
        QVERIFY(fieldAt(first, "P02:", 4, 9) < fieldAt(later, "P02:", 4, 9)); // DIN2 counts pulses
    }
};

QTEST_GUILESS_MAIN(SimReplyFormatsTest)
#include "test_sim_reply_formats.moc"
