#include "ProtocolRig.h"

#include <QTest>

// Every query button: its text, prefix, route and the code it stores.
class QueriesTest : public QObject
{
    Q_OBJECT

    struct Rig : ProtocolRig
    {
        explicit Rig(int linkIndex) : ProtocolRig(linkIndex)
        {
            const std::pair<const char *, const char *> history[] = {
                {"Hyear", "11"}, {"Hmonth", "01"}, {"Hday", "01"},
                {"Hhour", "00"}, {"Hmin", "00"},   {"Hcont", "00"},
            };
            for (const auto &[name, text] : history)
                form.texts[name] = text;
            form.texts["Memo8"] = "before";
        }
    };

private slots:
    void queries_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("prefixed");
        QTest::addColumn<bool>("serialOnly");
        QTest::addColumn<int>("code");
        QTest::newRow("system read") << "Button32" << QByteArray("PPPPPP#CHEACK1#") << true << false << 101;
        QTest::newRow("GPRS read") << "Button1" << QByteArray("PPPPPP#CHEACK2#") << false << true << 102;
        QTest::newRow("channel read") << "Button128" << QByteArray("PPPPPP#CHEACK3#") << true << false << 103;
        QTest::newRow("RS485 read") << "Button84" << QByteArray("PPPPPP#CHEACK6#") << true << false << 106;
        QTest::newRow("slot 1 command")
            << "Button76" << QByteArray("PPPPPP#COMR01#") << true << false << 1501;
        QTest::newRow("slot 1 parsing")
            << "Button74" << QByteArray("PPPPPP#COMP01#") << true << false << 1502;
        QTest::newRow("slot 2 command")
            << "Button81" << QByteArray("PPPPPP#COMR02#") << true << false << 1501;
        QTest::newRow("slot 2 parsing")
            << "Button79" << QByteArray("PPPPPP#COMP02#") << true << false << 1502;
        QTest::newRow("slot 3 command")
            << "Button44" << QByteArray("PPPPPP#COMR03#") << false << true << 1501;
        QTest::newRow("slot 3 parsing")
            << "Button41" << QByteArray("PPPPPP#COMP03#") << false << true << 1502;
        QTest::newRow("slot 4 command")
            << "Button54" << QByteArray("PPPPPP#COMR04#") << false << true << 1501;
        QTest::newRow("slot 4 parsing")
            << "Button49" << QByteArray("PPPPPP#COMP04#") << false << true << 1502;
        QTest::newRow("manual query") << "Button124" << QByteArray("PPPPPP#STATUS#") << true << false << 999;
        QTest::newRow("status beside it")
            << "Button21" << QByteArray("PPPPPP#STATUL#") << false << false << 100;
        QTest::newRow("history at start values")
            << "Button125" << QByteArray("PPPPPP#REDEEM110101000000#") << false << false << 5000;
        QTest::newRow("communication test")
            << "Button14" << QByteArray("PPPPPP#VAR#") << true << false << 1003;
        QTest::newRow("parameter reset")
            << "Button19" << QByteArray("CFGSET#RESET#") << true << false << 1001;
    }
    void queries()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, text);
        QFETCH(bool, prefixed);
        QFETCH(bool, serialOnly);
        QFETCH(int, code);

        Rig serial(0);
        serial.click(button);
        QCOMPARE(serial.serial.sent, QByteArrayList{text});
        QVERIFY(serial.gateway.sent.isEmpty());
        QCOMPARE(serial.form.text("discomm"), text);
        QCOMPARE(serial.form.text("Memo8"), QByteArray());
        QCOMPARE(serial.exchange.ExpectedReplyCode, code);

        Rig ip(1);
        ip.click(button);
        const QByteArray ipText = prefixed ? "ZZZZ" + text : text;
        QCOMPARE((serialOnly ? ip.serial : ip.gateway).sent, QByteArrayList{ipText});
        QVERIFY((serialOnly ? ip.gateway : ip.serial).sent.isEmpty());
        QCOMPARE(ip.form.text("discomm"), ipText);
        QCOMPARE(ip.exchange.ExpectedReplyCode, code);
    }

    void exactByteCounts()
    {
        Rig serial(0);
        serial.click("Button32");
        QCOMPARE(serial.serial.sent.value(0).size(), 15);
        Rig ip(1);
        ip.click("Button32");
        QCOMPARE(ip.gateway.sent.value(0).size(), 19);
        ip.click("Button125");
        QCOMPARE(ip.gateway.sent.value(1).size(), 26);
    }

    void historyTakesTheTextsAsShown_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("month typed 7")
            << "Hmonth" << QByteArray("7") << QByteArray("PPPPPP#REDEEM11701000000#");
        QTest::newRow("year 50") << "Hyear" << QByteArray("50") << QByteArray("PPPPPP#REDEEM500101000000#");
        QTest::newRow("count 80") << "Hcont" << QByteArray("80") << QByteArray("PPPPPP#REDEEM110101000080#");
        QTest::newRow("hour empty") << "Hhour" << QByteArray() << QByteArray("PPPPPP#REDEEM1101010000#");
        QTest::newRow("minute letters")
            << "Hmin" << QByteArray("ab") << QByteArray("PPPPPP#REDEEM11010100ab00#");
    }
    void historyTakesTheTextsAsShown()
    {
        QFETCH(QString, selector);
        QFETCH(QByteArray, shown);
        QFETCH(QByteArray, text);
        Rig rig(0);
        rig.form.texts[selector] = shown;
        rig.form.indices["NameSave"] = 2; // not read
        rig.click("Button125");
        QCOMPARE(rig.serial.sent, QByteArrayList{text});
    }

    void aQueryReplacesTheCode()
    {
        Rig rig(0);
        rig.click("Button32");
        rig.click("Button32");
        QCOMPARE(rig.exchange.ExpectedReplyCode, 101);
        rig.click("Button124");
        QCOMPARE(rig.exchange.ExpectedReplyCode, 999);
        QCOMPARE(rig.serial.sent.size(), qsizetype(3));
    }

    void everyButtonHasOneRow()
    {
        QSet<QString> buttons;
        for (const auto family : commandFamilies())
            for (const CommandRow &row : family) {
                const QString button = QLatin1String(row.button);
                QVERIFY2(!buttons.contains(button), qPrintable(button));
                buttons << button;
            }
    }
};

QTEST_GUILESS_MAIN(QueriesTest)
#include "test_queries.moc"
