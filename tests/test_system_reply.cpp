#include "MapForm.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "replies/ReplyDispatch.h"

#include <QTest>

// The answer to "Read Parameters" of the "System Parameter" page, under code 101.
class SystemReplyTest : public QObject
{
    Q_OBJECT

    // The page as it starts, with item counts as in the window.
    static MapForm startPage()
    {
        MapForm form;
        const std::pair<const char *, int> counts[] = {
            {"ComboBox3", 39}, {"ComboBox4", 12}, {"ComboBox5", 31}, {"ComboBox6", 24},
            {"ComboBox7", 60}, {"ComboBox8", 12}, {"ComboBox9", 7},  {"NameSave", 5},
        };
        for (const auto &[name, count] : counts)
            form.itemCounts[name] = count;
        form.texts["Edit7"] = "00000";
        form.texts["Edit2"] = "02";
        form.indices["ComboBox3"] = 0;
        form.indices["ComboBox4"] = 0;
        form.indices["ComboBox5"] = 0;
        form.indices["ComboBox7"] = 0;
        form.indices["ComboBox9"] = 3;
        form.checked["CheckBox1"] = form.checked["CheckBox2"] = form.checked["CheckBox3"] = false;
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

private slots:
    // One row per control: the reply, the control and what it holds afterwards
    // (a text, a selection index, or a tick).
    void fills_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QVariant>("value");
        const QByteArray example = "TQ1:00012;TM:2506151230;SA:3;SD:01;DY:05;ER:010;";
        QTest::newRow("example: station") << example << "Edit7" << QVariant(QByteArray("00012"));
        QTest::newRow("example: year 25") << example << "ComboBox3" << QVariant(13);
        QTest::newRow("example: month 06") << example << "ComboBox4" << QVariant(5);
        QTest::newRow("example: day 15") << example << "ComboBox5" << QVariant(14);
        QTest::newRow("example: hour 12") << example << "ComboBox6" << QVariant(12);
        QTest::newRow("example: minute 30") << example << "ComboBox7" << QVariant(30);
        QTest::newRow("example: retention") << example << "ComboBox9" << QVariant(3);
        QTest::newRow("example: history retention") << example << "NameSave" << QVariant(3);
        QTest::newRow("example: cycle") << example << "ComboBox8" << QVariant(1);
        QTest::newRow("example: delay") << example << "Edit2" << QVariant(QByteArray("05"));
        QTest::newRow("example: flag 1") << example << "CheckBox1" << QVariant(false);
        QTest::newRow("example: flag 2") << example << "CheckBox2" << QVariant(true);
        QTest::newRow("example: flag 3") << example << "CheckBox3" << QVariant(false);

        QTest::newRow("year 12 is item 0") << QByteArray("TM:1201010000") << "ComboBox3" << QVariant(0);
        QTest::newRow("year 05 is item 5") << QByteArray("TM:0502020101") << "ComboBox3" << QVariant(5);
        QTest::newRow("year 11 is item 11") << QByteArray("TM:1112312359") << "ComboBox3" << QVariant(11);
        QTest::newRow("month 00 is item 0") << QByteArray("TM:2500000000") << "ComboBox4" << QVariant(0);
        QTest::newRow("month 01 is item 0") << QByteArray("TM:2501010000") << "ComboBox4" << QVariant(0);
        QTest::newRow("month 12 is item 11") << QByteArray("TM:1112312359") << "ComboBox4" << QVariant(11);
        QTest::newRow("day 00 is item 0") << QByteArray("TM:2500000000") << "ComboBox5" << QVariant(0);
        QTest::newRow("day 31 is item 30") << QByteArray("TM:1112312359") << "ComboBox5" << QVariant(30);
        QTest::newRow("hour 24: no selection") << QByteArray("TM:2501012400") << "ComboBox6" << QVariant(-1);
        QTest::newRow("minute 60: no selection")
            << QByteArray("TM:2501010060") << "ComboBox7" << QVariant(-1);
        QTest::newRow("minute 59") << QByteArray("TM:1112312359") << "ComboBox7" << QVariant(59);

        QTest::newRow("TQ1 without TM: clock kept") << QByteArray("TQ1:00034;") << "ComboBox3" << QVariant(0);
        QTest::newRow("TQ1 without TM: station")
            << QByteArray("TQ1:00034;") << "Edit7" << QVariant(QByteArray("00034"));
        QTest::newRow("SA 6: retention") << QByteArray("SA:6;") << "ComboBox9" << QVariant(6);
        QTest::newRow("SA 6: history retention none") << QByteArray("SA:6;") << "NameSave" << QVariant(-1);
        QTest::newRow("SA 7: no selection") << QByteArray("SA:7;") << "ComboBox9" << QVariant(-1);
        QTest::newRow("SA inside a word comes first")
            << QByteArray("USA-1;SA:3;") << "ComboBox9" << QVariant(1);
        QTest::newRow("SD 12: no selection") << QByteArray("SD:12;") << "ComboBox8" << QVariant(-1);
        QTest::newRow("DY taken as text") << QByteArray("DY:x9;") << "Edit2" << QVariant(QByteArray("x9"));
        QTest::newRow("flag 2 unticks") << QByteArray("ER:121;") << "CheckBox2" << QVariant(false);
        QTest::newRow("flag blank unticks") << QByteArray("ER:1 1;") << "CheckBox2" << QVariant(false);
        QTest::newRow("flag 1 ticks") << QByteArray("ER:101;") << "CheckBox3" << QVariant(true);
        QTest::newRow("flags past the end untick") << QByteArray("ER:1") << "CheckBox2" << QVariant(false);
        QTest::newRow("station cut by the end")
            << QByteArray("TQ1:001") << "Edit7" << QVariant(QByteArray("001"));
        QTest::newRow("station tag at the end empties")
            << QByteArray("TQ1:") << "Edit7" << QVariant(QByteArray());
    }
    void fills()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, control);
        QFETCH(QVariant, value);
        MapForm form = startPage();
        ExchangeState exchange;
        exchange.ExpectedReplyCode = 101;
        exchange.ReplyText = reply;
        parseReply(form, exchange);
        QCOMPARE(valueOf(form, control, value), value);
        QCOMPARE(exchange.ExpectedReplyCode, 0);
        QVERIFY(exchange.ReplyText.isEmpty());
    }

    // A field that does not convert ends the branch: what came before stays set,
    // the rows after it keep their values, and the state is not cleared.
    void errorEndsTheBranch_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("lastSet");
        QTest::addColumn<QString>("firstKept");
        QTest::newRow("month 1x") << QByteArray("TM:251x151230;SA:5;") << "'1x' is not a valid integer value"
                                  << "ComboBox3"
                                  << "ComboBox4";
        QTest::newRow("year with a blank after")
            << QByteArray("TM:2 ;SA:5;") << "'2 ' is not a valid integer value"
            << ""
            << "ComboBox3";
        QTest::newRow("SA at the end")
            << QByteArray("TM:2506151230;SD:05;SA") << "'' is not a valid integer value"
            << "ComboBox7"
            << "ComboBox8";
        QTest::newRow("cycle 0a") << QByteArray("SA:5;SD:0a;DY:09;") << "'0a' is not a valid integer value"
                                  << "NameSave"
                                  << "Edit2";
    }
    void errorEndsTheBranch()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, message);
        QFETCH(QString, lastSet);
        QFETCH(QString, firstKept);
        MapForm form = startPage();
        const MapForm before = form;
        ExchangeState exchange;
        exchange.ExpectedReplyCode = 101;
        exchange.ReplyText = reply;
        try {
            parseReply(form, exchange);
            QFAIL("no error raised");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), message);
        }
        if (!lastSet.isEmpty())
            QVERIFY(form.indices.value(lastSet, -2) != before.indices.value(lastSet, -2));
        QCOMPARE(form.indices.value(firstKept, -2), before.indices.value(firstKept, -2));
        QCOMPARE(form.texts.value(firstKept), before.texts.value(firstKept));
        QCOMPARE(exchange.ExpectedReplyCode, 101);
        QCOMPARE(exchange.ReplyText, reply);
    }

    void laterReplyIsNotParsed()
    {
        MapForm form = startPage();
        ExchangeState exchange;
        exchange.ExpectedReplyCode = 101;
        exchange.ReplyText = "TQ1:00012;";
        parseReply(form, exchange);
        exchange.ReplyText = "TQ1:00099;";
        parseReply(form, exchange);
        QCOMPARE(form.text("Edit7"), QByteArray("00012"));
        QCOMPARE(exchange.ReplyText, QByteArray("TQ1:00099;"));
    }
};

QTEST_GUILESS_MAIN(SystemReplyTest)
#include "test_system_reply.moc"
