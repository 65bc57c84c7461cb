#include "commands/HandlerError.h"
#include "commands/IntegerConversion.h"

#include <QTest>

class IntegerConversionTest : public QObject
{
    Q_OBJECT
private slots:
    void converts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint32>("value");
        QTest::newRow("decimal") << QByteArray("123") << 123;
        QTest::newRow("leading zeros") << QByteArray("00042") << 42;
        QTest::newRow("leading blanks") << QByteArray("   7") << 7;
        QTest::newRow("plus sign") << QByteArray("+15") << 15;
        QTest::newRow("minus sign") << QByteArray("-15") << -15;
        QTest::newRow("blanks then sign") << QByteArray("  -3") << -3;
        QTest::newRow("dollar hex") << QByteArray("$1F") << 31;
        QTest::newRow("x hex") << QByteArray("x1f") << 31;
        QTest::newRow("X hex") << QByteArray("XfF") << 255;
        QTest::newRow("0x hex") << QByteArray("0x10") << 16;
        QTest::newRow("0X hex") << QByteArray("0X10") << 16;
        QTest::newRow("negative hex") << QByteArray("-$10") << -16;
        QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("smallest") << QByteArray("-2147483648") << qint32(-2147483647 - 1);
        QTest::newRow("largest hex") << QByteArray("$7FFFFFFF") << 2147483647;
        QTest::newRow("zero") << QByteArray("0") << 0;
        QTest::newRow("many leading zeros") << QByteArray("000000000000000000001") << 1;
    }
    void converts()
    {
        QFETCH(QByteArray, text);
        QFETCH(qint32, value);
        const auto parsed = parseInteger(text);
        QVERIFY(parsed.has_value());
        QCOMPARE(*parsed, value);
    }

    void refuses_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("blank only") << QByteArray("  ");
        QTest::newRow("trailing blank") << QByteArray("12 ");
        QTest::newRow("letter inside") << QByteArray("70a0");
        QTest::newRow("sign only") << QByteArray("-");
        QTest::newRow("two signs") << QByteArray("+-1");
        QTest::newRow("blank after sign") << QByteArray("- 1");
        QTest::newRow("dollar only") << QByteArray("$");
        QTest::newRow("0x only") << QByteArray("0x");
        QTest::newRow("hex digit without prefix") << QByteArray("1F");
        QTest::newRow("above range") << QByteArray("2147483648");
        QTest::newRow("below range") << QByteArray("-2147483649");
        QTest::newRow("hex above range") << QByteArray("$80000000");
        QTest::newRow("far above range") << QByteArray("99999999999999999999");
        QTest::newRow("tab before") << QByteArray("\t1");
        QTest::newRow("NUL inside") << QByteArray("1\0002", 3);
        QTest::newRow("decimal point") << QByteArray("1.5");
        QTest::newRow("GBK character") << QByteArray("\xd6\xd0");
    }
    void refuses()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!parseInteger(text).has_value());
    }

    void conversionErrorNamesTheText()
    {
        try {
            toInteger("70a0");
            QFAIL("no error raised");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), QStringLiteral("'70a0' is not a valid integer value"));
        }
        try {
            toInteger({});
            QFAIL("no error raised");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), QStringLiteral("'' is not a valid integer value"));
        }
    }
};

QTEST_GUILESS_MAIN(IntegerConversionTest)
#include "test_integer_conversion.moc"
