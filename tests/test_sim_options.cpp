#include "SimOptions.h"

#include <QTest>

using sim::parseOptions;

class SimOptionsTest : public QObject
{
    Q_OBJECT
private slots:
    void defaults()
    {
        const auto parsed = parseOptions({"tl380sim"});
        QVERIFY(parsed.options.has_value());
        QCOMPARE(parsed.options->serialPath, QStringLiteral("/tmp/ttyTL380"));
        QCOMPARE(parsed.options->tcpPort, quint16(7000));
        QCOMPARE(parsed.options->listenAddress, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(parsed.options->splitMs, -1);
        QVERIFY(!parsed.options->fast && !parsed.options->drop && !parsed.options->garbage &&
                !parsed.options->log);
    }

    void takes_every_option()
    {
        const auto parsed =
            parseOptions({"tl380sim", "--serial", "/tmp/x", "--tcp", "0", "--listen", "0.0.0.0", "--fast",
                          "--split", "150", "--drop", "--garbage", "--log"});
        QVERIFY(parsed.options.has_value());
        QCOMPARE(parsed.options->serialPath, QStringLiteral("/tmp/x"));
        QCOMPARE(parsed.options->tcpPort, quint16(0));
        QCOMPARE(parsed.options->listenAddress, QHostAddress(QHostAddress::AnyIPv4));
        QCOMPARE(parsed.options->splitMs, 150);
        QVERIFY(parsed.options->fast && parsed.options->drop && parsed.options->garbage &&
                parsed.options->log);
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("port too high") << QStringList{"tl380sim", "--tcp", "70000"};
        QTest::newRow("port not a number") << QStringList{"tl380sim", "--tcp", "70a0"};
        QTest::newRow("negative split") << QStringList{"tl380sim", "--split", "-5"};
        QTest::newRow("split without value") << QStringList{"tl380sim", "--split"};
        QTest::newRow("address not an address") << QStringList{"tl380sim", "--listen", "localhost"};
        QTest::newRow("unknown option") << QStringList{"tl380sim", "--slow"};
        QTest::newRow("stray argument") << QStringList{"tl380sim", "COM1"};
    }
    void refuses()
    {
        QFETCH(QStringList, arguments);
        const auto parsed = parseOptions(arguments);
        QVERIFY(!parsed.options.has_value());
        QVERIFY(parsed.failed);
        QVERIFY(!parsed.message.isEmpty());
    }

    void shows_help()
    {
        const auto parsed = parseOptions({"tl380sim", "--help"});
        QVERIFY(!parsed.options.has_value());
        QVERIFY(!parsed.failed);
        QVERIFY(parsed.message.contains(QStringLiteral("--garbage")));
    }
};

QTEST_GUILESS_MAIN(SimOptionsTest)
#include "test_sim_options.moc"
