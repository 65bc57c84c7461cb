#include "commands/Gbk.h"

#include <QTest>

// The collector's text at the edge to the widgets. A toolkit without the GBK codec fails here first.
class GbkTest : public QObject
{
    Q_OBJECT
private slots:
    void codecIsPresent() { QVERIFY2(gbkAvailable(), "this Qt has no GBK codec"); }

    void knownBytes()
    {
        QCOMPARE(toGbk(QStringLiteral("1_\u5E02\u7535")), QByteArray("1_\xCA\xD0\xB5\xE7"));
        QCOMPARE(fromGbk("0_\xB5\xE7\xB3\xD8"), QStringLiteral("0_\u7535\u6C60"));
    }

    // What GBK cannot carry is never replaced by a look-alike: '?' out, U+FFFD in, the same on every
    // system (Qt's codec here, code page 936 on Windows).
    void nothingSubstituted()
    {
        QCOMPARE(toGbk(QStringLiteral("\u00E9")), QByteArray("\xA8\xA6"));
        QCOMPARE(toGbk(QStringLiteral("A\u00FFB")), QByteArray("A?B"));
        QCOMPARE(fromGbk("\xCA\x20Z"), QStringLiteral("\uFFFD Z"));
    }

    // The codecs are made once; a text cut after the first byte of a character leaves nothing behind
    // that could pair with the next text's first byte.
    void noStateBetweenTexts()
    {
        const QString cut = fromGbk("A\xCA");
        QVERIFY(cut.startsWith(u'A'));
        QCOMPARE(fromGbk("BC"), QStringLiteral("BC"));
    }
};

QTEST_GUILESS_MAIN(GbkTest)
#include "test_gbk.moc"
