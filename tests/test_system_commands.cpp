#include "ProtocolRig.h"
#include "commands/HandlerError.h"

#include <QTest>

// The "Set" buttons of the "System Parameter" group and the model "Set".
class SystemCommandsTest : public QObject
{
    Q_OBJECT

    struct Rig : ProtocolRig
    {
        explicit Rig(int linkIndex) : ProtocolRig(linkIndex)
        {
            form.texts["Edit7"] = "00000";
            form.texts["ComboBox3"] = "12";
            form.texts["ComboBox4"] = "01";
            form.texts["ComboBox5"] = "01";
            form.texts["ComboBox6"] = "00";
            form.texts["ComboBox7"] = "00";
            form.texts["Edit2"] = "02";
            form.indices["ComboBox9"] = 3;
            form.indices["MKXINGHAO"] = 0;
            form.texts["discomm"] = "before";
            form.texts["Memo8"] = "before";
            exchange.ExpectedReplyCode = 5000;
        }
    };

    using Fields = QHash<QString, QVariant>; // text as QByteArray, index as int

    static void fill(MapForm &form, const Fields &fields)
    {
        for (auto f = fields.cbegin(); f != fields.cend(); ++f)
            if (f.value().typeId() == QMetaType::Int)
                form.indices[f.key()] = f.value().toInt();
            else
                form.texts[f.key()] = f.value().toByteArray();
    }

private slots:
    void commandTexts_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("station 123") << "Button4" << Fields{{"Edit7", QByteArray("123")}}
                                     << QByteArray("CFGSET#ST:00123#");
        QTest::newRow("station 0") << "Button4" << Fields{{"Edit7", QByteArray("0")}}
                                   << QByteArray("CFGSET#ST:00000#");
        QTest::newRow("station 99999")
            << "Button4" << Fields{{"Edit7", QByteArray("99999")}} << QByteArray("CFGSET#ST:99999#");
        QTest::newRow("station longer than five")
            << "Button4" << Fields{{"Edit7", QByteArray("123456")}} << QByteArray("CFGSET#ST:123456#");
        QTest::newRow("station negative")
            << "Button4" << Fields{{"Edit7", QByteArray("-5")}} << QByteArray("CFGSET#ST:-00005#");
        QTest::newRow("station leading blanks")
            << "Button4" << Fields{{"Edit7", QByteArray("  12")}} << QByteArray("CFGSET#ST:00012#");
        QTest::newRow("station plus sign")
            << "Button4" << Fields{{"Edit7", QByteArray("+7")}} << QByteArray("CFGSET#ST:00007#");
        QTest::newRow("station hex $1F")
            << "Button4" << Fields{{"Edit7", QByteArray("$1F")}} << QByteArray("CFGSET#ST:00031#");
        QTest::newRow("station hex 0x10")
            << "Button4" << Fields{{"Edit7", QByteArray("0x10")}} << QByteArray("CFGSET#ST:00016#");
        QTest::newRow("station largest") << "Button4" << Fields{{"Edit7", QByteArray("2147483647")}}
                                         << QByteArray("CFGSET#ST:2147483647#");
        QTest::newRow("station smallest") << "Button4" << Fields{{"Edit7", QByteArray("-2147483648")}}
                                          << QByteArray("CFGSET#ST:-2147483648#");

        QTest::newRow("clock example") << "Button5"
                                       << Fields{{"ComboBox3", QByteArray("25")},
                                                 {"ComboBox4", QByteArray("01")},
                                                 {"ComboBox5", QByteArray("01")},
                                                 {"ComboBox6", QByteArray("00")},
                                                 {"ComboBox7", QByteArray("00")}}
                                       << QByteArray("CFGSET#TM:250101000000#");
        QTest::newRow("clock month typed 7") << "Button5"
                                             << Fields{{"ComboBox3", QByteArray("25")},
                                                       {"ComboBox4", QByteArray("7")},
                                                       {"ComboBox5", QByteArray("01")},
                                                       {"ComboBox6", QByteArray("00")},
                                                       {"ComboBox7", QByteArray("00")}}
                                             << QByteArray("CFGSET#TM:25701000000#");
        QTest::newRow("clock start values") << "Button5" << Fields{} << QByteArray("CFGSET#TM:120101000000#");

        QTest::newRow("cycle 1min") << "Button3" << Fields{{"ComboBox8", 1}} << QByteArray("CFGSET#SD:01#");
        QTest::newRow("cycle 30s") << "Button3" << Fields{{"ComboBox8", 11}} << QByteArray("CFGSET#SD:11#");
        QTest::newRow("cycle 10") << "Button3" << Fields{{"ComboBox8", 10}} << QByteArray("CFGSET#SD:10#");
        QTest::newRow("cycle no selection")
            << "Button3" << Fields{{"ComboBox8", -1}} << QByteArray("CFGSET#SD:0-1#");

        QTest::newRow("retention 30min")
            << "Button2" << Fields{{"ComboBox9", 3}} << QByteArray("CFGSET#SA:3#");
        QTest::newRow("retention clear history")
            << "Button2" << Fields{{"ComboBox9", 6}} << QByteArray("CFGSET#SA:6#");
        QTest::newRow("retention no selection")
            << "Button2" << Fields{{"ComboBox9", -1}} << QByteArray("CFGSET#SA:-1#");

        QTest::newRow("delay 02") << "Button50" << Fields{{"Edit2", QByteArray("02")}}
                                  << QByteArray("CFGSET#DY:02#");
        QTest::newRow("delay 9") << "Button50" << Fields{{"Edit2", QByteArray("9")}}
                                 << QByteArray("CFGSET#DY:09#");
        QTest::newRow("delay 10") << "Button50" << Fields{{"Edit2", QByteArray("10")}}
                                  << QByteArray("CFGSET#DY:10#");
        QTest::newRow("delay 90") << "Button50" << Fields{{"Edit2", QByteArray("90")}}
                                  << QByteArray("CFGSET#DY:90#");
        QTest::newRow("delay 95") << "Button50" << Fields{{"Edit2", QByteArray("95")}}
                                  << QByteArray("CFGSET#DY:90#");
        QTest::newRow("delay 99") << "Button50" << Fields{{"Edit2", QByteArray("99")}}
                                  << QByteArray("CFGSET#DY:90#");
        QTest::newRow("delay negative")
            << "Button50" << Fields{{"Edit2", QByteArray("-3")}} << QByteArray("CFGSET#DY:0-3#");
    }
    // Serial mode: the text alone to the serial port; IP mode: prefixed to the gateway.
    void commandTexts()
    {
        QFETCH(QString, button);
        QFETCH(Fields, fields);
        QFETCH(QByteArray, text);
        Rig serial(0);
        fill(serial.form, fields);
        serial.click(button);
        QCOMPARE(serial.serial.sent, QByteArrayList{text});
        QVERIFY(serial.gateway.sent.isEmpty());
        QCOMPARE(serial.form.text("discomm"), text);
        QCOMPARE(serial.form.text("Memo8"), QByteArray());
        QCOMPARE(serial.exchange.ExpectedReplyCode, 5000);

        Rig ip(1);
        fill(ip.form, fields);
        ip.click(button);
        QCOMPARE(ip.gateway.sent, QByteArrayList{"ZZZZ" + text});
        QVERIFY(ip.serial.sent.isEmpty());
        QCOMPARE(ip.form.text("discomm"), "ZZZZ" + text);
    }

    void typedLinkModeIsIpMode()
    {
        Rig rig(-1);
        rig.click("Button4");
        QCOMPARE(rig.gateway.sent, QByteArrayList{"ZZZZCFGSET#ST:00000#"});
    }

    void model_data()
    {
        QTest::addColumn<int>("linkIndex");
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("1 TL380H-A, serial") << 0 << 1 << QByteArray("CFGMOD:1#");
        QTest::newRow("0 NET, serial") << 0 << 0 << QByteArray("CFGMOD:0#");
        QTest::newRow("2 TL380H-B, IP: bare to serial") << 1 << 2 << QByteArray("CFGMOD:2#");
        QTest::newRow("no selection") << 0 << -1 << QByteArray("CFGMOD:-1#");
    }
    void model()
    {
        QFETCH(int, linkIndex);
        QFETCH(int, model);
        QFETCH(QByteArray, text);
        Rig rig(linkIndex);
        rig.form.indices["MKXINGHAO"] = model;
        rig.click("Button15");
        QCOMPARE(rig.serial.sent, QByteArrayList{text});
        QVERIFY(rig.gateway.sent.isEmpty());
        QCOMPARE(rig.form.text("discomm"), text);
        QCOMPARE(rig.form.text("Memo8"), QByteArray());
        QCOMPARE(rig.exchange.ExpectedReplyCode, 100);
    }

    // A field that does not convert: nothing shown, cleared, stored or sent.
    void conversionFails_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty station") << "Button4"
                                       << "Edit7" << QByteArray();
        QTest::newRow("station trailing blank") << "Button4"
                                                << "Edit7" << QByteArray("12 ");
        QTest::newRow("station pasted letters") << "Button4"
                                                << "Edit7" << QByteArray("12a");
        QTest::newRow("station above 32 bits") << "Button4"
                                               << "Edit7" << QByteArray("2147483648");
        QTest::newRow("station blank only") << "Button4"
                                            << "Edit7" << QByteArray(" ");
        QTest::newRow("empty delay") << "Button50"
                                     << "Edit2" << QByteArray();
        QTest::newRow("delay with a decimal point") << "Button50"
                                                    << "Edit2" << QByteArray("1.5");
    }
    void conversionFails()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QByteArray, text);
        Rig rig(0);
        rig.form.texts[field] = text;
        try {
            rig.click(button);
            QFAIL("no error raised");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(),
                     QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(text)));
        }
        QVERIFY(rig.serial.sent.isEmpty());
        QCOMPARE(rig.form.text("discomm"), QByteArray("before"));
        QCOMPARE(rig.form.text("Memo8"), QByteArray("before"));
        QCOMPARE(rig.exchange.ExpectedReplyCode, 5000);
    }
};

QTEST_GUILESS_MAIN(SystemCommandsTest)
#include "test_system_commands.moc"
