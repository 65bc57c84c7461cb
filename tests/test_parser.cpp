#include "MapForm.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "replies/ReplyBranch.h"
#include "replies/ReplyDispatch.h"

#include <QTest>

#include <algorithm>

// The tag search, the extraction rules, the dispatch by code and its clearing.
class ParserTest : public QObject
{
    Q_OBJECT

    static QByteArray raw(const char *text, qsizetype size) { return QByteArray(text, size); }

private slots:
    void tagSearch_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<int>("found"); // 0-based position, -1 when absent
        QTest::newRow("at the start") << QByteArray("TQ1:00012;") << QByteArray("TQ1:") << 0;
        QTest::newRow("inside") << QByteArray("xxSD:05") << QByteArray("SD:") << 2;
        QTest::newRow("first of two") << QByteArray("SD:01;SD:02;") << QByteArray("SD:") << 0;
        QTest::newRow("last characters of the text") << QByteArray("abcSD:") << QByteArray("SD:") << 3;
        QTest::newRow("running past the end") << QByteArray("abcSD") << QByteArray("SD:") << -1;
        QTest::newRow("exact case") << QByteArray("sd:05;Sd:06;SD:07") << QByteArray("SD:") << 12;
        QTest::newRow("empty text") << QByteArray() << QByteArray("SA") << -1;
        QTest::newRow("two letters inside a word") << QByteArray("USA:1;SA:3") << QByteArray("SA") << 1;
        QTest::newRow("IA: is not IA1") << QByteArray("IA1:0;IA:1") << QByteArray("IA:") << 6;
        QTest::newRow("IA1 is not IA:") << QByteArray("IA:1;IA1:0") << QByteArray("IA1") << 5;
        QTest::newRow("behind a NUL") << raw("xx\0TQ1:00012", 12) << QByteArray("TQ1:") << -1;
        QTest::newRow("before a NUL") << raw("TQ1:\0", 5) << QByteArray("TQ1:") << 0;
        QTest::newRow("any third character") << QByteArray("ST0:00012") << QByteArray("ST?:") << 0;
        QTest::newRow("letter as third") << QByteArray("xSTA:1") << QByteArray("ST?:") << 1;
        QTest::newRow("three-character station") << QByteArray("ST:00012") << QByteArray("ST?:") << -1;
        QTest::newRow("colon as third") << QByteArray("ST::1") << QByteArray("ST?:") << 0;
    }
    void tagSearch()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, tag);
        QFETCH(int, found);
        const auto at = WorkingText(reply).find(tag.constData());
        QCOMPARE(at ? int(*at) : -1, found);
    }

    void workingTextEndsAtNul()
    {
        QCOMPARE(WorkingText(raw("AB\0CD", 5)).bytes(), QByteArray("AB"));
        QCOMPARE(WorkingText(raw("\0CD", 3)).bytes(), QByteArray());
        QCOMPARE(WorkingText("ABCD").bytes(), QByteArray("ABCD"));
    }

    void fields_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("whole field") << QByteArray("TQ1:00012;") << 4 << 5 << QByteArray("00012");
        QTest::newRow("field at the end") << QByteArray("TQ1:00012") << 4 << 5 << QByteArray("00012");
        QTest::newRow("cut by the end") << QByteArray("TQ1:000") << 4 << 5 << QByteArray("000");
        QTest::newRow("wholly past the end") << QByteArray("TQ1:") << 4 << 5 << QByteArray();
        QTest::newRow("far past the end") << QByteArray("TQ1:") << 40 << 5 << QByteArray();
        QTest::newRow("cut by a NUL") << raw("TQ1:00\0"
                                             "12",
                                             9)
                                      << 4 << 5 << QByteArray("00");
        QTest::newRow("punctuation kept") << QByteArray("IP1:1.2.3.4;") << 4 << 3 << QByteArray("1.2");
    }
    void fields()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, offset);
        QFETCH(int, length);
        QFETCH(QByteArray, value);
        QCOMPARE(WorkingText(reply).field(0, offset, length), value);
    }

    void toSeparator_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("start");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("to the separator") << QByteArray("APN:net1;IUR:u;") << 4 << QByteArray("net1");
        QTest::newRow("empty value") << QByteArray("APN:;") << 4 << QByteArray();
        QTest::newRow("no separator: to the end, line end kept")
            << QByteArray("OIP:10.0.0.9\r\n") << 4 << QByteArray("10.0.0.9\r\n");
        QTest::newRow("start at the end") << QByteArray("APN:") << 4 << QByteArray();
        QTest::newRow("start past the end") << QByteArray("APN") << 4 << QByteArray();
        QTest::newRow("separator at the start position") << QByteArray("TM:;x;") << 3 << QByteArray();
        QTest::newRow("start offset 3")
            << QByteArray("TM:25-06-15 12:30;V:1") << 3 << QByteArray("25-06-15 12:30");
        QTest::newRow("NUL ends the value") << raw("APN:ab\0cd;", 10) << 4 << QByteArray("ab");
    }
    void toSeparator()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, start);
        QFETCH(QByteArray, value);
        QCOMPARE(WorkingText(reply).toSeparator(0, start), value);
    }

    void indexRule_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("index");
        QTest::newRow("two digits") << QByteArray("SD:07;") << 7;
        QTest::newRow("blank then digit") << QByteArray("SD: 5;") << 5;
        QTest::newRow("sign") << QByteArray("SD:-1;") << -1;
        QTest::newRow("hexadecimal") << QByteArray("SD:$B;") << 11;
        QTest::newRow("one past the last item: no selection") << QByteArray("SD:12;") << -1;
        QTest::newRow("one digit left at the end") << QByteArray("SD:5") << 5;
    }
    void indexRule()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, index);
        MapForm form;
        form.itemCounts["ComboBox8"] = 12;
        form.indices["ComboBox8"] = 3;
        applyRow({"SD:", 3, 2, Rule::Index, "ComboBox8"}, WorkingText(reply), form);
        QCOMPARE(form.index("ComboBox8"), index);
    }

    void indexRuleFails_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("message");
        QTest::newRow("letter") << QByteArray("SD:0a;") << "'0a' is not a valid integer value";
        QTest::newRow("digit then separator") << QByteArray("SD:5;") << "'5;' is not a valid integer value";
        QTest::newRow("trailing blank") << QByteArray("SD:5 ") << "'5 ' is not a valid integer value";
        QTest::newRow("nothing left at the end") << QByteArray("SD:") << "'' is not a valid integer value";
    }
    void indexRuleFails()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, message);
        MapForm form;
        form.indices["ComboBox8"] = 3;
        try {
            applyRow({"SD:", 3, 2, Rule::Index, "ComboBox8"}, WorkingText(reply), form);
            QFAIL("no error raised");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(form.index("ComboBox8"), 3);
    }

    void flagRule_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("1 ticks") << QByteArray("ER:1") << true;
        QTest::newRow("0 unticks") << QByteArray("ER:0") << false;
        QTest::newRow("2 unticks") << QByteArray("ER:2") << false;
        QTest::newRow("blank unticks") << QByteArray("ER: ") << false;
        QTest::newRow("past the end unticks") << QByteArray("ER:") << false;
    }
    void flagRule()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, ticked);
        MapForm form;
        form.checked["CheckBox1"] = !ticked;
        applyRow({"ER", 3, 1, Rule::Flag, "CheckBox1"}, WorkingText(reply), form);
        QCOMPARE(form.checked.value("CheckBox1"), ticked);
    }

    void absentTagLeavesTheTarget()
    {
        MapForm form;
        form.texts["Edit7"] = "keep";
        form.indices["ComboBox8"] = 2;
        form.checked["CheckBox1"] = true;
        const WorkingText text("nothing here");
        applyRow({"TQ1:", 4, 5, Rule::Text, "Edit7"}, text, form);
        applyRow({"SD:", 3, 2, Rule::Index, "ComboBox8"}, text, form);
        applyRow({"ER", 3, 1, Rule::Flag, "CheckBox1"}, text, form);
        applyRow({"APN", 4, 0, Rule::TextToSeparator, "Edit7"}, text, form);
        QCOMPARE(form.text("Edit7"), QByteArray("keep"));
        QCOMPARE(form.index("ComboBox8"), 2);
        QCOMPARE(form.checked.value("CheckBox1"), true);
    }

    void mappingAndFollowUp()
    {
        static int followUps = 0;
        MapForm form;
        const ReplyRow row{
            "TM:", 3, 2, Rule::Index, "ComboBox3", [](int v) { return v - 12; }, [](Form &) { ++followUps; }};
        applyRow(row, WorkingText("TM:25"), form);
        QCOMPARE(form.index("ComboBox3"), 13);
        QCOMPARE(followUps, 1);
        applyRow(row, WorkingText("xx"), form);
        QCOMPARE(followUps, 1);
    }

    // What each code leaves of the exchange state after a parse.
    void clearing_data()
    {
        QTest::addColumn<qint32>("code");
        QTest::addColumn<qint32>("codeAfter");
        QTest::addColumn<bool>("textKept");
        QTest::newRow("0: nothing parsed") << 0 << 0 << true;
        QTest::newRow("100: no branch") << 100 << 100 << true;
        QTest::newRow("101: both") << 101 << 0 << false;
        QTest::newRow("102: both") << 102 << 0 << false;
        QTest::newRow("103: both") << 103 << 0 << false;
        QTest::newRow("106: both") << 106 << 0 << false;
        QTest::newRow("299: no branch") << 299 << 299 << true;
        QTest::newRow("999: both") << 999 << 0 << false;
        QTest::newRow("1501: nothing") << 1501 << 1501 << true;
        QTest::newRow("1502: nothing") << 1502 << 1502 << true;
        QTest::newRow("5000: reply text only") << 5000 << 5000 << false;
        QTest::newRow("1001: no branch") << 1001 << 1001 << true;
        QTest::newRow("1003: no branch") << 1003 << 1003 << true;
        QTest::newRow("unknown 7: no branch") << 7 << 7 << true;
    }
    void clearing()
    {
        QFETCH(qint32, code);
        QFETCH(qint32, codeAfter);
        QFETCH(bool, textKept);
        MapForm form;
        ExchangeState exchange;
        exchange.ExpectedReplyCode = code;
        exchange.ReplyText = "no tag here";
        parseReply(form, exchange);
        QCOMPARE(exchange.ExpectedReplyCode, codeAfter);
        QCOMPARE(exchange.ReplyText, textKept ? QByteArray("no tag here") : QByteArray());
    }

    void everyCodeHasOneBranch()
    {
        QList<qint32> codes;
        for (const ReplyBranch &branch : replyBranches()) {
            QVERIFY2(!codes.contains(branch.code), qPrintable(QString::number(branch.code)));
            codes << branch.code;
        }
        std::sort(codes.begin(), codes.end());
        QCOMPARE(codes, (QList<qint32>{101, 102, 103, 106, 999, 1501, 1502, 5000}));
    }

    void codeZeroChangesNothing()
    {
        MapForm form;
        form.texts["Edit7"] = "00000";
        ExchangeState exchange;
        exchange.ReplyText = "TQ1:00012;";
        parseReply(form, exchange);
        QCOMPARE(form.text("Edit7"), QByteArray("00000"));
        QCOMPARE(form.texts.size(), qsizetype(1));
        QVERIFY(form.indices.isEmpty());
    }

    void emptyReplyClears()
    {
        MapForm form;
        ExchangeState exchange;
        exchange.ExpectedReplyCode = 101;
        parseReply(form, exchange);
        QVERIFY(form.texts.isEmpty() && form.indices.isEmpty() && form.checked.isEmpty());
        QCOMPARE(exchange.ExpectedReplyCode, 0);
    }

    void onlyTheTextBeforeNulIsSearched()
    {
        MapForm form;
        form.texts["Edit7"] = "00000";
        form.texts["Edit2"] = "02";
        ExchangeState exchange;
        exchange.ExpectedReplyCode = 101;
        exchange.ReplyText = raw("DY:05;\0TQ1:00012;", 17);
        parseReply(form, exchange);
        QCOMPARE(form.text("Edit2"), QByteArray("05"));
        QCOMPARE(form.text("Edit7"), QByteArray("00000"));
        QVERIFY(exchange.ReplyText.isEmpty());
    }

    // "0a" in the month ends the branch; the code stays, so the corrected reply
    // that follows is parsed under it.
    void errorMidwayThenCorrected()
    {
        MapForm form;
        form.itemCounts["ComboBox3"] = 39;
        form.itemCounts["ComboBox4"] = 12;
        form.itemCounts["ComboBox9"] = 7;
        form.texts["Edit2"] = "02";
        form.indices["ComboBox4"] = 0;
        form.indices["ComboBox9"] = 3;
        ExchangeState exchange;
        exchange.ExpectedReplyCode = 101;
        exchange.ReplyText = "TQ1:00012;TM:250a151230;SA:5;DY:07;";
        try {
            parseReply(form, exchange);
            QFAIL("no error raised");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), QStringLiteral("'0a' is not a valid integer value"));
        }
        QCOMPARE(form.text("Edit7"), QByteArray("00012"));
        QCOMPARE(form.index("ComboBox3"), 13);
        QCOMPARE(form.index("ComboBox4"), 0);
        QVERIFY(!form.indices.contains("ComboBox5"));
        QCOMPARE(form.index("ComboBox9"), 3);
        QCOMPARE(form.text("Edit2"), QByteArray("02"));
        QCOMPARE(exchange.ExpectedReplyCode, 101);
        QCOMPARE(exchange.ReplyText, QByteArray("TQ1:00012;TM:250a151230;SA:5;DY:07;"));

        exchange.ReplyText = "TQ1:00012;TM:2506151230;SA:5;DY:07;";
        parseReply(form, exchange);
        QCOMPARE(form.index("ComboBox4"), 5);
        QCOMPARE(form.index("ComboBox5"), 14);
        QCOMPARE(form.index("ComboBox9"), 5);
        QCOMPARE(form.text("Edit2"), QByteArray("07"));
        QCOMPARE(exchange.ExpectedReplyCode, 0);
        QVERIFY(exchange.ReplyText.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ParserTest)
#include "test_parser.moc"
