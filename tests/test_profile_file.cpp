// A profile is untrusted input: read from regular files only and to a bound, its keys
// compared as the JSON reader decodes them, its faults quoting no more than a head.
#include "profile/ProfileCheck.h"
#include "profile/ProfileFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestProfileFile : public QObject
{
    Q_OBJECT
private slots:
    void keyGivenTwiceThroughEscape_data();
    void keyGivenTwiceThroughEscape();
    void longValueQuotedByItsHead();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void sizeBoundIsWhatIsRead();
};

void TestProfileFile::keyGivenTwiceThroughEscape_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("named");
    QTest::newRow("escaped underscore")
        << QByteArray(R"({"system": {"station_number": "1", "station\u005fnumber": "2"}})")
        << QStringLiteral("\"station_number\" given twice");
    QTest::newRow("escaped page") << QByteArray(R"({"system": {"station_number": "1"}, "syst\u0065m": {}})")
                                  << QStringLiteral("\"system\" given twice");
    QTest::newRow("escaped solidus both")
        << QByteArray(R"({"gprs": {"a\/b": "1", "a/b": "2"}})") << QStringLiteral("\"a/b\" given twice");
}

void TestProfileFile::keyGivenTwiceThroughEscape()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, named);
    const CheckedProfile checked = checkProfile(json);
    QVERIFY2(checked.faults.filter(named).size() == 1, qPrintable(checked.faults.join(u'\n')));
}

void TestProfileFile::longValueQuotedByItsHead()
{
    const QByteArray value(100000, 'x');
    const CheckedProfile checked =
        checkProfile(R"({"system": {"station_number": ")" + value + R"("}, ")" + value + R"(": {}})");
    QCOMPARE(checked.faults.size(), 2);
    for (const QString &fault : checked.faults) {
        QVERIFY2(fault.size() < 300, qPrintable(fault.left(300)));
        QVERIFY2(fault.contains(QString(40, u'x') + QChar(0x2026)), qPrintable(fault));
    }
}

void TestProfileFile::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("fault");
    QTest::newRow("named pipe without a writer")
        << QStringLiteral("fifo") << QStringLiteral("not a regular file");
    QTest::newRow("device") << QStringLiteral("/dev/zero") << QStringLiteral("not a regular file");
    QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("a folder");
    QTest::newRow("missing") << QStringLiteral("missing") << QStringLiteral("no such file");
}

// Refused at once: a pipe nobody writes to would block an open or a read for ever.
void TestProfileFile::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(QString, fault);
    QTemporaryDir dir;
    QString path = kind.startsWith(u'/') ? kind : dir.filePath(kind);
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == QLatin1String("folder"))
        path = dir.path();
    QElapsedTimer took;
    took.start();
    const ProfileBytes read = readProfileFile(path);
    QVERIFY(took.elapsed() < 1000);
    QVERIFY2(read.fault.contains(fault), qPrintable(read.fault));
    QVERIFY(read.bytes.isEmpty());
}

void TestProfileFile::sizeBoundIsWhatIsRead()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("p.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray fits = "{\"system\": {}}" + QByteArray(MostProfileBytes - 14, ' ');
    file.write(fits);
    file.flush();
    const ProfileBytes whole = readProfileFile(file.fileName());
    QVERIFY2(whole.fault.isEmpty(), qPrintable(whole.fault));
    QCOMPARE(whole.bytes.size(), MostProfileBytes);
    file.write(" ");
    file.flush();
    const ProfileBytes over = readProfileFile(file.fileName());
    QVERIFY2(over.fault.contains(QLatin1String("too large")), qPrintable(over.fault));
    QVERIFY(over.bytes.isEmpty());
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profile_file.moc"
