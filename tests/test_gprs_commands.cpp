#include "ProtocolRig.h"
#include "commands/HandlerError.h"

#include <QTest>

// The "Set" buttons of the GPRS page: all to the serial port, whatever the link mode.
class GprsCommandsTest : public QObject
{
    Q_OBJECT

    struct Rig : ProtocolRig
    {
        explicit Rig(int linkIndex) : ProtocolRig(linkIndex)
        {
            form.indices["NETCS"] = 0;
            form.indices["ComboBox11"] = 0;
            form.indices["ComboBox14"] = 0;
            form.texts["IP1_1"] = "192";
            form.texts["IP1_2"] = "168";
            form.texts["IP1_3"] = "0";
            form.texts["IP1_4"] = "88";
            form.texts["discomm"] = "before";
            form.texts["Memo8"] = "before";
            exchange.ExpectedReplyCode = 1502;
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

    static Fields address(const char *a, const char *b, const char *c, const char *d)
    {
        return {{"IP1_1", QByteArray(a)},
                {"IP1_2", QByteArray(b)},
                {"IP1_3", QByteArray(c)},
                {"IP1_4", QByteArray(d)}};
    }

private slots:
    void commandTexts_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("prefixedInIpMode");
        QTest::newRow("network type 0 Auto")
            << "Button38" << Fields{{"NETCS", 0}} << QByteArray("CFGSET#NEX:0#") << false;
        QTest::newRow("network type 4 APN")
            << "Button38" << Fields{{"NETCS", 4}} << QByteArray("CFGSET#NEX:4#") << false;
        QTest::newRow("network type none")
            << "Button38" << Fields{{"NETCS", -1}} << QByteArray("CFGSET#NEX:-1#") << false;
        QTest::newRow("access point CMNET") << "Button27" << Fields{{"APNname", QByteArray("CMNET")}}
                                            << QByteArray("CFGSET#DNS:CMNET!#") << false;
        QTest::newRow("access point empty") << "Button27" << Fields{} << QByteArray("CFGSET#DNS:!#") << false;
        QTest::newRow("user empty") << "Button147" << Fields{} << QByteArray("CFGSET#INA:!#") << false;
        QTest::newRow("user") << "Button147" << Fields{{"DNSuser", QByteArray("card")}}
                              << QByteArray("CFGSET#INA:card!#") << false;
        QTest::newRow("password empty") << "Button146" << Fields{} << QByteArray("CFGSET#IWD:!#") << false;
        QTest::newRow("password in clear") << "Button146" << Fields{{"DNSpass", QByteArray("s3cret")}}
                                           << QByteArray("CFGSET#IWD:s3cret!#") << false;
        QTest::newRow("DNS name") << "Button26" << Fields{{"Edit22", QByteArray("centre.example")}}
                                  << QByteArray("CFGSET#IY1:centre.example!#") << false;
        QTest::newRow("text sent unchecked") << "Button26" << Fields{{"Edit22", QByteArray("a#b! c")}}
                                             << QByteArray("CFGSET#IY1:a#b! c!#") << false;
        QTest::newRow("GBK text as bytes") << "Button27" << Fields{{"APNname", QByteArray("\xd6\xd0")}}
                                           << QByteArray("CFGSET#DNS:\xd6\xd0!#") << false;
        QTest::newRow("address 192.168.0.88") << "Button25" << address("192", "168", "0", "88")
                                              << QByteArray("CFGSET#IP1:192.168.000.088#") << false;
        QTest::newRow("address 300 gives 000") << "Button25" << address("300", "1", "2", "3")
                                               << QByteArray("CFGSET#IP1:000.001.002.003#") << false;
        QTest::newRow("address 256 gives 000, 255 stays")
            << "Button25" << address("255", "256", "7", "0") << QByteArray("CFGSET#IP1:255.000.007.000#")
            << false;
        QTest::newRow("address -1 gives -001") << "Button25" << address("10", "-1", "0", "1")
                                               << QByteArray("CFGSET#IP1:010.-001.000.001#") << false;
        QTest::newRow("address hex") << "Button25" << address("$FF", "x10", "0", " 9")
                                     << QByteArray("CFGSET#IP1:255.016.000.009#") << false;
        QTest::newRow("port 7000") << "Button28" << Fields{{"Edit18", QByteArray("7000")}}
                                   << QByteArray("CFGSET#IH1:07000#") << false;
        QTest::newRow("port above 65535") << "Button28" << Fields{{"Edit18", QByteArray("99999")}}
                                          << QByteArray("CFGSET#IH1:99999#") << false;
        QTest::newRow("heartbeat 60")
            << "Button29" << Fields{{"Edit19", QByteArray("60")}} << QByteArray("CFGSET#IT1:0060#") << true;
        QTest::newRow("heartbeat 9999")
            << "Button29" << Fields{{"Edit19", QByteArray("9999")}} << QByteArray("CFGSET#IT1:9999#") << true;
        QTest::newRow("redial 30") << "Button30" << Fields{{"Edit20", QByteArray("30")}}
                                   << QByteArray("CFGSET#IR1:0030#") << true;
        QTest::newRow("protocol TCP")
            << "Button31" << Fields{{"ComboBox11", 0}} << QByteArray("CFGSET#IU1:0#") << false;
        QTest::newRow("protocol UDP")
            << "Button31" << Fields{{"ComboBox11", 1}} << QByteArray("CFGSET#IU1:1#") << false;
        QTest::newRow("enable Open") << "Button6" << Fields{{"ComboBox14", 1}} << QByteArray("CFGSET#IC1:1#")
                                     << false;
        QTest::newRow("enable Close")
            << "Button6" << Fields{{"ComboBox14", 0}} << QByteArray("CFGSET#IC1:0#") << false;
    }
    void commandTexts()
    {
        QFETCH(QString, button);
        QFETCH(Fields, fields);
        QFETCH(QByteArray, text);
        QFETCH(bool, prefixedInIpMode);
        for (const int linkIndex : {0, 1, -1}) {
            Rig rig(linkIndex);
            fill(rig.form, fields);
            rig.click(button);
            const QByteArray sent = linkIndex != 0 && prefixedInIpMode ? "ZZZZ" + text : text;
            QCOMPARE(rig.serial.sent, QByteArrayList{sent});
            QVERIFY(rig.gateway.sent.isEmpty());
            QCOMPARE(rig.form.text("discomm"), sent);
            QCOMPARE(rig.form.text("Memo8"), QByteArray());
            QCOMPARE(rig.exchange.ExpectedReplyCode, 1502);
        }
    }

    void conversionFails_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QByteArray>("taken");
        QTest::newRow("empty port") << "Button28" << Fields{{"Edit18", QByteArray()}} << QByteArray();
        QTest::newRow("port trailing blank")
            << "Button28" << Fields{{"Edit18", QByteArray("70 ")}} << QByteArray("70 ");
        QTest::newRow("empty heartbeat") << "Button29" << Fields{{"Edit19", QByteArray()}} << QByteArray();
        QTest::newRow("redial letters")
            << "Button30" << Fields{{"Edit20", QByteArray("3O")}} << QByteArray("3O");
        QTest::newRow("address first field empty")
            << "Button25" << address("", "1", "2", "3") << QByteArray();
        QTest::newRow("address last field bad")
            << "Button25" << address("1", "2", "3", "4x") << QByteArray("4x");
    }
    void conversionFails()
    {
        QFETCH(QString, button);
        QFETCH(Fields, fields);
        QFETCH(QByteArray, taken);
        Rig rig(0);
        fill(rig.form, fields);
        try {
            rig.click(button);
            QFAIL("no error raised");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(),
                     QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(taken)));
        }
        QVERIFY(rig.serial.sent.isEmpty());
        QCOMPARE(rig.form.text("discomm"), QByteArray("before"));
        QCOMPARE(rig.form.text("Memo8"), QByteArray("before"));
    }
};

QTEST_GUILESS_MAIN(GprsCommandsTest)
#include "test_gprs_commands.moc"
