// The tool's window against the simulator program, over the pseudo-terminal and over the gateway: what a
// page writes is what "Read Parameters" shows afterwards.
#include "SimWindowRig.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QTemporaryDir>

class SimEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void system_parameters_read_back_data() { bothLinks(); }
    void system_parameters_read_back()
    {
        QFETCH(Via, via);
        SimWindowRig s(via);
        s.connectWindow();
        QTRY_VERIFY_WITH_TIMEOUT(s.connected(), 3000);
        s.type("Edit7", "321");
        s.set("Button4");
        s.w->pick("ComboBox8", 4);
        s.set("Button3");
        s.w->pick("ComboBox9", 5);
        s.set("Button2");
        s.type("Edit2", "45");
        s.set("Button50");
        const std::pair<const char *, const char *> clock[] = {{"ComboBox3", "27"},
                                                               {"ComboBox4", "03"},
                                                               {"ComboBox5", "04"},
                                                               {"ComboBox6", "05"},
                                                               {"ComboBox7", "06"}};
        for (const auto &[name, text] : clock)
            s.w->get<QComboBox>(name)->setEditText(QString::fromLatin1(text));
        s.set("Button5");
        s.type("Edit7", "0");
        s.type("Edit2", "0");
        s.w->pick("ComboBox8", 0);
        s.click("Button32");
        QTRY_COMPARE_WITH_TIMEOUT(s.w->shown("Edit7"), QStringLiteral("00321"), 3000);
        QCOMPARE(s.index("ComboBox8"), 4);
        QCOMPARE(s.index("ComboBox9"), 5);
        QCOMPARE(s.w->shown("Edit2"), QStringLiteral("45"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(s.w->shown(clock[i].first), QString::fromLatin1(clock[i].second));
        // the collector's clock runs on from the time written
        QVERIFY(s.w->shown("ComboBox7") == QStringLiteral("06") ||
                s.w->shown("ComboBox7") == QStringLiteral("07"));
    }

    void gprs_parameters_read_back()
    {
        SimWindowRig s(Via::Serial);
        s.connectWindow();
        QTRY_VERIFY_WITH_TIMEOUT(s.connected(), 3000);
        s.w->pick("NETCS", 4);
        s.set("Button38");
        s.type("APNname", "CMIOT");
        s.set("Button27");
        s.type("DNSuser", "alice");
        s.set("Button147");
        s.type("DNSpass", "pw#1");
        s.set("Button146");
        s.type("Edit22", "centre.example");
        s.set("Button26");
        for (const auto &[name, octet] :
             {std::pair{"IP1_1", "192"}, {"IP1_2", "168"}, {"IP1_3", "0"}, {"IP1_4", "88"}})
            s.type(name, octet);
        s.set("Button25");
        s.type("Edit18", "7001");
        s.set("Button28");
        s.type("Edit19", "90");
        s.set("Button29");
        s.w->pick("ComboBox11", 1);
        s.set("Button31");
        s.type("APNname", "");
        s.type("Edit18", "");
        s.w->pick("NETCS", 0);
        s.click("Button1");
        QTRY_COMPARE_WITH_TIMEOUT(s.w->shown("APNname"), QStringLiteral("CMIOT"), 3000);
        QCOMPARE(s.index("NETCS"), 4);
        QVERIFY(s.w->get<QLineEdit>("APNname")->isEnabled());
        QCOMPARE(s.w->shown("DNSuser"), QStringLiteral("alice"));
        QCOMPARE(s.w->shown("DNSpass"), QStringLiteral("pw#1"));
        QCOMPARE(s.w->shown("Edit22"), QStringLiteral("centre.example"));
        QCOMPARE(s.w->shown("IP1_1") + s.w->shown("IP1_2") + s.w->shown("IP1_3") + s.w->shown("IP1_4"),
                 QStringLiteral("192168000088"));
        QCOMPARE(s.w->shown("Edit18"), QStringLiteral("07001"));
        QCOMPARE(s.w->shown("Edit19"), QStringLiteral("0090"));
        QCOMPARE(s.index("ComboBox11"), 1);
        QCOMPARE(s.w->shown("Label101").size(), 2);
    }

    void channels_read_back_data() { bothLinks(); }
    void channels_read_back()
    {
        QFETCH(Via, via);
        SimWindowRig s(via);
        s.connectWindow();
        QTRY_VERIFY_WITH_TIMEOUT(s.connected(), 3000);
        s.w->pick("AD01TNG", 3);
        s.set("Button33");
        s.type("AD1H", "100");
        s.type("AD1L", "0");
        s.type("AD1LD", "4");
        s.set("Button40");
        s.w->pick("DIN1", 1);
        s.set("Button46");
        s.type("DLA2", "7");
        s.set("Button96");
        s.w->pick("INP3", 4);
        s.set("Button17");
        s.w->pick("AD01TNG", 0);
        s.type("AD1H", "");
        s.w->pick("DIN1", 0);
        s.click("Button128");
        QTRY_COMPARE_WITH_TIMEOUT(s.index("AD01TNG"), 3, 3000);
        QCOMPARE(s.w->shown("AD1H") + s.w->shown("AD1L") + s.w->shown("AD1LD"),
                 QStringLiteral("001000000000004"));
        QCOMPARE(s.index("DIN1"), 1);
        QCOMPARE(s.w->shown("DLA2"), QStringLiteral("00007"));
        QCOMPARE(s.index("INP3"), 4);
    }

    void rs485_and_slots_read_back_data() { bothLinks(); }
    void rs485_and_slots_read_back()
    {
        QFETCH(Via, via);
        SimWindowRig s(via);
        s.connectWindow();
        QTRY_VERIFY_WITH_TIMEOUT(s.connected(), 3000);
        s.w->pick("MR485BT", 4);
        s.w->pick("MR485JN", 2);
        s.w->pick("RS485STOP", 1);
        s.set("Button11");
        s.type("RS485DTM", "15");
        s.set("Button83");
        s.w->pick("RS485AXIEY", 7);
        s.set("Button78");
        s.w->pick("MPD2USE", 2);
        s.type("MPD2MADR", "9");
        s.set("Button175");
        s.w->pick("COMAD1", 1);
        s.type("COMDDATA1", "01030000000AC5CD");
        s.click("Button73"); // answered with the settings reply, which the tool reads
        QTRY_COMPARE_WITH_TIMEOUT(s.index("MR485BT"), 4, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(s.w->exchange.ExpectedReplyCode, 0, 3000);
        QCOMPARE(s.index("MR485JN"), 2);
        QCOMPARE(s.index("RS485STOP"), 1);
        QCOMPARE(s.w->shown("RS485DTM"), QStringLiteral("015"));
        QCOMPARE(s.index("RS485AXIEY"), 7);
        QCOMPARE(s.index("MPD2USE"), 2);
        QCOMPARE(s.w->shown("MPD2MADR"), QStringLiteral("009"));
        s.type("COMDDATA1", "");
        s.w->pick("COMAD1", 0);
        s.click("Button76");
        QTRY_COMPARE_WITH_TIMEOUT(s.w->shown("COMDDATA1"), QStringLiteral("01030000000AC5CD"), 3000);
        QCOMPARE(s.index("COMAD1"), 1);
        s.type("ACOMBY2", "04");
        s.click("Button75");
        QTest::qWait(via == Via::Serial ? 400 : 800);
        s.type("ACOMBY2", "");
        s.click("Button74");
        QTRY_COMPARE_WITH_TIMEOUT(s.w->shown("ACOMBY2"), QStringLiteral("04"), 3000);
        QCOMPARE(s.w->shown("ACOMBY1") + s.w->shown("ACOMBY3"), QStringLiteral("0100"));
    }

    void slots_on_the_second_page_read_back()
    {
        SimWindowRig s(Via::Serial);
        s.connectWindow();
        QTRY_VERIFY_WITH_TIMEOUT(s.connected(), 3000);
        s.type("COMDDATA4", "AABB");
        s.w->pick("COMAD4", 1);
        s.set("Button48");
        s.type("COMDDATA4", "");
        s.click("Button54");
        QTRY_COMPARE_WITH_TIMEOUT(s.w->shown("COMDDATA4"), QStringLiteral("AABB"), 3000);
        QCOMPARE(s.index("COMAD4"), 1);
    }

    void communication_test_sets_the_model_data() { bothLinks(); }
    void communication_test_sets_the_model()
    {
        QFETCH(Via, via);
        SimWindowRig s(via);
        s.connectWindow();
        QTRY_VERIFY_WITH_TIMEOUT(s.connected(), 3000);
        s.click("Button14");
        QTRY_COMPARE_WITH_TIMEOUT(s.index("MKXINGHAO"), 1, 3000);
        QCOMPARE(s.index("ComboBox2"), via == Via::Serial ? 0 : 1);
        QTest::qWait(via == Via::Serial ? 200 : 600);
        if (via == Via::Serial) { // the model command goes over the serial line only
            s.w->form.Label20Click();
            s.w->pick("MKXINGHAO", 2);
            s.set("Button15");
            s.w->pick("MKXINGHAO", 0);
            s.click("Button14");
            QTRY_COMPARE_WITH_TIMEOUT(s.index("MKXINGHAO"), 2, 3000);
            QCOMPARE(s.index("ComboBox2"), 0);
        }
    }

    void live_data_changes_data() { bothLinks(); }
    void live_data_changes()
    {
        QFETCH(Via, via);
        SimWindowRig s(via);
        s.connectWindow();
        QTRY_VERIFY_WITH_TIMEOUT(s.connected(), 3000);
        s.click("Button124");
        QTRY_COMPARE_WITH_TIMEOUT(s.w->shown("Label80"), QStringLiteral("00012"), 3000);
        const QString clock = s.w->shown("Label81");
        QCOMPARE(clock.size(), 17);
        QCOMPARE(s.w->shown("AD1XS").size(), 5);
        QCOMPARE(s.w->shown("PU2XS").size(), 9);
        QTest::qWait(1100);
        s.click("Button124");
        QTRY_VERIFY_WITH_TIMEOUT(s.w->shown("Label81") != clock, 3000);
    }

    // The collector sends its records back to back; the link cuts the stream where it will (a serial
    // piece ends at 2048 bytes) and the tool ends each piece with a line break of its own. Without
    // those, the history box holds every record, whole and in order.
    void history_keeps_every_record_data() { bothLinks(); }
    void history_keeps_every_record()
    {
        QFETCH(Via, via);
        SimWindowRig s(via, {QStringLiteral("--fast")});
        s.connectWindow();
        QTRY_VERIFY_WITH_TIMEOUT(s.connected(), 3000);
        s.w->get<QComboBox>("Hcont")->setEditText(QStringLiteral("200"));
        s.click("Button125");
        const auto received = [&s] { return s.w->shown("Memo7").remove(u'\n'); };
        QTRY_VERIFY_WITH_TIMEOUT(received().contains(QStringLiteral("REC:200;")), 10000);
        QTest::qWait(1000);
        const QString text = received();
        static const QRegularExpression record(
            QStringLiteral("REC:(\\d{3});TM:\\d\\d-\\d\\d-\\d\\d "
                           "\\d\\d:\\d\\d;V:[^;]+;(A0\\d:[^;]{5};){6}(P0\\d:\\d{9};){3}K01:\\d{3};"));
        qsizetype at = 0;
        for (int number = 1; number <= 200; ++number) {
            const QRegularExpressionMatch found = record.match(text, at, QRegularExpression::NormalMatch,
                                                               QRegularExpression::AnchorAtOffsetMatchOption);
            QVERIFY2(found.hasMatch(),
                     qPrintable(QStringLiteral("record %1: %2").arg(number).arg(text.mid(at, 160))));
            QCOMPARE(found.captured(1).toInt(), number);
            at = found.capturedEnd();
        }
        QCOMPARE(at, text.size());
    }

    void reset_restores_the_defaults_data() { bothLinks(); }
    void reset_restores_the_defaults()
    {
        QFETCH(Via, via);
        SimWindowRig s(via);
        s.connectWindow();
        QTRY_VERIFY_WITH_TIMEOUT(s.connected(), 3000);
        s.type("Edit7", "555");
        s.set("Button4");
        s.click("Button32");
        QTRY_COMPARE_WITH_TIMEOUT(s.w->shown("Edit7"), QStringLiteral("00555"), 3000);
        QTest::qWait(300);
        s.set("Button19");
        s.click("Button32");
        QTRY_COMPARE_WITH_TIMEOUT(s.w->shown("Edit7"), QStringLiteral("00012"), 3000);
    }
};

QTEST_MAIN(SimEndToEndTest)
#include "test_sim_end_to_end.moc"
