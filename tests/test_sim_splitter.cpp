#include "CommandSplitter.h"

#include <QRandomGenerator>
#include <QTest>

using sim::CommandSplitter;
using sim::ReceivedCommand;

namespace {

ReceivedCommand command(const char *body, bool prefixed = false)
{
    return {body, prefixed, true};
}
ReceivedCommand cutOff(const QByteArray &body, bool prefixed = false)
{
    return {body, prefixed, false};
}

QList<QByteArray> bytewise(const QByteArray &text)
{
    QList<QByteArray> pieces;
    for (const char c : text)
        pieces.append(QByteArray(1, c));
    return pieces;
}

} // namespace

class SimSplitterTest : public QObject
{
    Q_OBJECT
private slots:
    void splits_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<QList<ReceivedCommand>>("commands");
        using Reads = QList<QByteArray>;
        using Commands = QList<ReceivedCommand>;
        QTest::newRow("whole query") << Reads{"PPPPPP#CHEACK1#"} << Commands{command("PPPPPP#CHEACK1#")};
        QTest::newRow("prefixed query")
            << Reads{"ZZZZPPPPPP#CHEACK1#"} << Commands{command("PPPPPP#CHEACK1#", true)};
        QTest::newRow("split in two") << Reads{"PPPPPP#CHE", "ACK1#"} << Commands{command("PPPPPP#CHEACK1#")};
        QTest::newRow("split inside the head")
            << Reads{"PPP", "PPP#VAR#"} << Commands{command("PPPPPP#VAR#")};
        QTest::newRow("split inside the prefix")
            << Reads{"ZZ", "ZZPPPPPP#VAR#"} << Commands{command("PPPPPP#VAR#", true)};
        QTest::newRow("byte by byte")
            << bytewise("ZZZZCFGSET#ST:00123#") << Commands{command("CFGSET#ST:00123#", true)};
        QTest::newRow("garbage before")
            << Reads{QByteArray("\x00\xffxyz", 5) + "PPPPPP#VAR#"} << Commands{command("PPPPPP#VAR#")};
        QTest::newRow("garbage split before")
            << Reads{"junkCFG", "SET#SD:01#"} << Commands{command("CFGSET#SD:01#")};
        QTest::newRow("lone Z before prefix")
            << Reads{"ZZZZZPPPPPP#VAR#"} << Commands{command("PPPPPP#VAR#", true)};
        QTest::newRow("two in one read") << Reads{"CFGSET#ST:00123#PPPPPP#CHEACK1#"}
                                         << Commands{command("CFGSET#ST:00123#"), command("PPPPPP#CHEACK1#")};
        QTest::newRow("two prefixed in one read")
            << Reads{"ZZZZCFGSET#SA:3#ZZZZPPPPPP#CHEACK1#"}
            << Commands{command("CFGSET#SA:3#", true), command("PPPPPP#CHEACK1#", true)};
        QTest::newRow("one and a half, then the rest")
            << Reads{"PPPPPP#VAR#CFGSET#DY:", "05#"}
            << Commands{command("PPPPPP#VAR#"), command("CFGSET#DY:05#")};
        QTest::newRow("reset") << Reads{"CFGSET#RESET#"} << Commands{command("CFGSET#RESET#")};
        QTest::newRow("model") << Reads{"CFGMOD:1#"} << Commands{command("CFGMOD:1#")};
        QTest::newRow("history") << Reads{"PPPPPP#REDEEM110101000000#"}
                                 << Commands{command("PPPPPP#REDEEM110101000000#")};
        QTest::newRow("free text holding #")
            << Reads{"CFGSET#DNS:a#b!#"} << Commands{command("CFGSET#DNS:a#b!#")};
        QTest::newRow("empty free text") << Reads{"CFGSET#IWD:!#"} << Commands{command("CFGSET#IWD:!#")};
        QTest::newRow("free text split at its end")
            << Reads{"CFGSET#INA:user!", "#"} << Commands{command("CFGSET#INA:user!#")};
        QTest::newRow("slot frame") << Reads{"CFGSET#COMW1:0,160103000000044409#"}
                                    << Commands{command("CFGSET#COMW1:0,160103000000044409#")};
        QTest::newRow("cut off by the next command")
            << Reads{"PPPPPP#CHEPPPPPP#VAR#"} << Commands{cutOff("PPPPPP#CHE"), command("PPPPPP#VAR#")};
        QTest::newRow("cut off by a prefixed command")
            << Reads{"CFGSET#ST:001ZZZZPPPPPP#VAR#"}
            << Commands{cutOff("CFGSET#ST:001"), command("PPPPPP#VAR#", true)};
        QTest::newRow("name too long")
            << Reads{"PPPPPP#" + QByteArray(40, 'A') + "#PPPPPP#VAR#"}
            << Commands{cutOff("PPPPPP#" + QByteArray(33, 'A')), command("PPPPPP#VAR#")};
        QTest::newRow("noise only") << Reads{"hello", "world"} << Commands{};
        QTest::newRow("unfinished") << Reads{"ZZZZPPPPPP#CHEACK"} << Commands{};
    }
    void splits()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(QList<ReceivedCommand>, commands);
        CommandSplitter splitter;
        QList<ReceivedCommand> seen;
        for (const QByteArray &read : reads)
            seen += splitter.feed(read);
        QCOMPARE(seen.size(), commands.size());
        for (qsizetype i = 0; i < seen.size(); ++i) {
            QCOMPARE(seen[i].body, commands[i].body);
            QCOMPARE(seen[i].prefixed, commands[i].prefixed);
            QCOMPARE(seen[i].complete, commands[i].complete);
        }
    }

    // Known commands with noise between them, cut at random places, come out whole and in order.
    void finds_every_command_in_any_split_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 25; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void finds_every_command_in_any_split()
    {
        QFETCH(quint32, seed);
        static const QList<QByteArray> known{"PPPPPP#CHEACK1#",
                                             "CFGSET#ST:00123#",
                                             "CFGMOD:2#",
                                             "CFGSET#RESET#",
                                             "CFGSET#DNS:a#b!#",
                                             "PPPPPP#REDEEM110101000020#",
                                             "CFGSET#COMW1:0,160103000000044409#",
                                             "CFGSET#ZDAD01:0,003,0,00,00001#"};
        static const QByteArray noiseBytes("abxyz019#:;!~\x00\xff", 16);
        QRandomGenerator random(seed);
        QByteArray stream;
        QList<ReceivedCommand> sent;
        for (int i = 0; i < 40; ++i) {
            for (int n = random.bounded(4); n > 0; --n)
                stream += noiseBytes.at(random.bounded(int(noiseBytes.size())));
            const bool prefixed = random.bounded(2) == 1;
            const QByteArray &body = known.at(random.bounded(int(known.size())));
            stream += (prefixed ? "ZZZZ" : "") + body;
            sent.append({body, prefixed, true});
        }
        CommandSplitter splitter;
        QList<ReceivedCommand> seen;
        for (qsizetype at = 0; at < stream.size();) {
            const qsizetype length = 1 + random.bounded(30);
            seen += splitter.feed(stream.mid(at, length));
            at += length;
        }
        QCOMPARE(seen, sent);
    }

    void keeps_a_bounded_buffer_data()
    {
        QTest::addColumn<QByteArray>("unit");
        QTest::newRow("noise") << QByteArray("ZZZ~xyCFGSE");
        QTest::newRow("endless query") << QByteArray("A");
        QTest::newRow("endless value") << QByteArray("0");
    }
    void keeps_a_bounded_buffer()
    {
        QFETCH(QByteArray, unit);
        CommandSplitter splitter;
        if (unit == "A")
            splitter.feed("PPPPPP#");
        if (unit == "0")
            splitter.feed("CFGSET#COMW1:0,");
        for (int i = 0; i < 5000; ++i) {
            splitter.feed(unit.repeated(37));
            QVERIFY2(splitter.pending() <= CommandSplitter::longestCommand,
                     QByteArray::number(splitter.pending()));
        }
        // and it still hears the next command
        const QList<ReceivedCommand> after = splitter.feed("PPPPPP#VAR#");
        QVERIFY(!after.isEmpty());
        QCOMPARE(after.last().body, QByteArray("PPPPPP#VAR#"));
    }
};

QTEST_GUILESS_MAIN(SimSplitterTest)
#include "test_sim_splitter.moc"
