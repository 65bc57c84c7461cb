#include "MapForm.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "replies/ReplyDispatch.h"

#include <QTest>

// The answer to "Read Parameters" of the "GPRS Parameters" page, under code 102.
class GprsReplyTest : public QObject
{
    Q_OBJECT

    static MapForm startPage()
    {
        MapForm form;
        const std::pair<const char *, int> counts[] = {
            {"DNSIP", 2}, {"NETCS", 5}, {"ComboBox22", 2}, {"ComboBox11", 2}, {"ComboBox14", 2},
        };
        for (const auto &[name, count] : counts)
            form.itemCounts[name] = count;
        form.indices["DNSIP"] = 0;
        form.indices["NETCS"] = 0;
        form.indices["ComboBox22"] = 0;
        form.indices["ComboBox11"] = 1;
        form.indices["ComboBox14"] = 0;
        for (const char *name : {"APNname", "DNSuser", "DNSpass", "Edit22", "Edit18", "Edit19", "Edit20",
                                 "Label3", "IP1_1", "IP1_2", "IP1_3", "IP1_4"})
            form.texts[name] = "old";
        form.texts["Label101"] = "00";
        for (const char *name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"})
            form.checked[name] = true;
        for (const char *name : {"APNname", "DNSuser", "DNSpass"})
            form.enabled[name] = true;
        return form;
    }

    static QVariant valueOf(const MapForm &form, const QString &control, const QVariant &like)
    {
        if (like.typeId() == QMetaType::Bool)
            return form.checked.value(control);
        if (like.typeId() == QMetaType::Int)
            return form.index(control);
        return form.text(control);
    }

    static MapForm parsed(const QByteArray &reply)
    {
        MapForm form = startPage();
        ExchangeState exchange;
        exchange.ExpectedReplyCode = 102;
        exchange.ReplyText = reply;
        parseReply(form, exchange);
        return form;
    }

private slots:
    void fills_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QVariant>("value");
        const QByteArray example =
            "IA:1;NEX:4;APN:net1;IUR:user1;IWD:;IA1:1;IP1:010.001.002.003;IY1:center;"
            "IH1:05001;IT1:0060;IR1:0030;IU1:0;IC1:1;XH:25;ER:00100;OIP:010.000.000.005;";
        QTest::newRow("example: connection method") << example << "DNSIP" << QVariant(1);
        QTest::newRow("example: network type") << example << "NETCS" << QVariant(4);
        QTest::newRow("example: access point") << example << "APNname" << QVariant(QByteArray("net1"));
        QTest::newRow("example: user") << example << "DNSuser" << QVariant(QByteArray("user1"));
        QTest::newRow("example: empty password") << example << "DNSpass" << QVariant(QByteArray());
        QTest::newRow("example: access method") << example << "ComboBox22" << QVariant(1);
        QTest::newRow("example: IP 1") << example << "IP1_1" << QVariant(QByteArray("010"));
        QTest::newRow("example: IP 2") << example << "IP1_2" << QVariant(QByteArray("001"));
        QTest::newRow("example: IP 3") << example << "IP1_3" << QVariant(QByteArray("002"));
        QTest::newRow("example: IP 4") << example << "IP1_4" << QVariant(QByteArray("003"));
        QTest::newRow("example: DNS name") << example << "Edit22" << QVariant(QByteArray("center"));
        QTest::newRow("example: port") << example << "Edit18" << QVariant(QByteArray("05001"));
        QTest::newRow("example: heartbeat") << example << "Edit19" << QVariant(QByteArray("0060"));
        QTest::newRow("example: redial") << example << "Edit20" << QVariant(QByteArray("0030"));
        QTest::newRow("example: protocol") << example << "ComboBox11" << QVariant(0);
        QTest::newRow("example: enable") << example << "ComboBox14" << QVariant(1);
        QTest::newRow("example: signal") << example << "Label101" << QVariant(QByteArray("25"));
        QTest::newRow("example: flag 1") << example << "CheckBox1" << QVariant(false);
        QTest::newRow("example: flag 2") << example << "CheckBox2" << QVariant(false);
        QTest::newRow("example: flag 3") << example << "CheckBox3" << QVariant(true);
        QTest::newRow("example: flag 4") << example << "CheckBox4" << QVariant(false);
        QTest::newRow("example: flag 5") << example << "CheckBox5" << QVariant(false);
        QTest::newRow("example: obtained address")
            << example << "Label3" << QVariant(QByteArray("010.000.000.005"));

        QTest::newRow("APN:; empties") << QByteArray("APN:;") << "APNname" << QVariant(QByteArray());
        QTest::newRow("OIP to the end, line end kept")
            << QByteArray("XH:20;OIP:10.0.0.9\r\n") << "Label3" << QVariant(QByteArray("10.0.0.9\r\n"));
        QTest::newRow("XH without ER: signal")
            << QByteArray("XH:31;") << "Label101" << QVariant(QByteArray("31"));
        QTest::newRow("XH without ER: flags kept") << QByteArray("XH:31;") << "CheckBox1" << QVariant(true);
        QTest::newRow("one-digit groups: first")
            << QByteArray("IP1:1.2.3.4;IH1:07000;") << "IP1_1" << QVariant(QByteArray("1.2"));
        QTest::newRow("one-digit groups: second")
            << QByteArray("IP1:1.2.3.4;IH1:07000;") << "IP1_2" << QVariant(QByteArray("3.4"));
        QTest::newRow("one-digit groups: third")
            << QByteArray("IP1:1.2.3.4;IH1:07000;") << "IP1_3" << QVariant(QByteArray("IH1"));
        QTest::newRow("one-digit groups: fourth")
            << QByteArray("IP1:1.2.3.4;IH1:07000;") << "IP1_4" << QVariant(QByteArray("070"));
        QTest::newRow("groups past the end empty")
            << QByteArray("IP1:010.001") << "IP1_3" << QVariant(QByteArray());
        QTest::newRow("IA1 before IA: leaves DNSIP to IA:")
            << QByteArray("IA1:0;IA:1;") << "DNSIP" << QVariant(1);
        QTest::newRow("IA: before IA1 leaves ComboBox22 to IA1")
            << QByteArray("IA:1;IA1:0;") << "ComboBox22" << QVariant(0);
        QTest::newRow("IA: never matches IA1:") << QByteArray("IA1:1;") << "DNSIP" << QVariant(0);
        QTest::newRow("flags past the end untick") << QByteArray("ER:11") << "CheckBox3" << QVariant(false);
        QTest::newRow("DNS name with blanks")
            << QByteArray("IY1:a b!#;") << "Edit22" << QVariant(QByteArray("a b!#"));
    }
    void fills()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, control);
        QFETCH(QVariant, value);
        QCOMPARE(valueOf(parsed(reply), control, value), value);
    }

    // After "NEX:" the parser reads the selection back: only "4 APN" enables the login fields.
    void networkTypeEnablesLogin_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("4 APN enables") << QByteArray("NEX:4;") << 4 << true;
        QTest::newRow("2 disables") << QByteArray("NEX:2;") << 2 << false;
        QTest::newRow("0 disables") << QByteArray("NEX:0;") << 0 << false;
        QTest::newRow("outside the list disables") << QByteArray("NEX:7;") << -1 << false;
    }
    void networkTypeEnablesLogin()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, index);
        QFETCH(bool, enabled);
        const MapForm form = parsed(reply);
        QCOMPARE(form.index("NETCS"), index);
        for (const char *name : {"APNname", "DNSuser", "DNSpass"})
            QCOMPARE(form.enabled.value(name), enabled);
    }

    void withoutNetworkTypeEnablingStays()
    {
        MapForm form = parsed("IA:1;");
        QCOMPARE(form.enabled.value("APNname"), true);
    }

    // An index that does not convert stops the rows after it; the rule after
    // "NEX:" has already run when a later field fails.
    void errorAfterNetworkType()
    {
        MapForm form = startPage();
        ExchangeState exchange;
        exchange.ExpectedReplyCode = 102;
        exchange.ReplyText = "NEX:2;APN:x;IA1:z;IH1:05001;";
        try {
            parseReply(form, exchange);
            QFAIL("no error raised");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), QStringLiteral("'z' is not a valid integer value"));
        }
        QCOMPARE(form.index("NETCS"), 2);
        QCOMPARE(form.enabled.value("APNname"), false);
        QCOMPARE(form.text("APNname"), QByteArray("x"));
        QCOMPARE(form.text("Edit18"), QByteArray("old"));
        QCOMPARE(exchange.ExpectedReplyCode, 102);
        QCOMPARE(exchange.ReplyText, QByteArray("NEX:2;APN:x;IA1:z;IH1:05001;"));
    }
};

QTEST_GUILESS_MAIN(GprsReplyTest)
#include "test_gprs_reply.moc"
