// Both programs answer --help and --version on the terminal, without a display; the window's
// --trace notes each command and each piece of its answer.
#include "PageWindow.h"
#include "test_sim_process.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <memory>

using simtest::Simulator;

class TestProgramManners : public QObject
{
    Q_OBJECT
private slots:
    void helpAndVersionWithoutDisplay_data();
    void helpAndVersionWithoutDisplay();
    void toolkitOptionsPassStrayWordsDoNot_data();
    void toolkitOptionsPassStrayWordsDoNot();
    void helpFollowsTheLanguage();
    void windowTraceHoldsEachExchange();
    void windowTraceMarksWhatNeverLeft();
};

void TestProgramManners::helpAndVersionWithoutDisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("window help") << QStringLiteral(TL380CFG_PATH) << QStringLiteral("--help")
                                 << QByteArray("--trace <FILE>");
    QTest::newRow("window help-all") << QStringLiteral(TL380CFG_PATH) << QStringLiteral("--help-all")
                                     << QByteArray("-platformtheme");
    QTest::newRow("window version") << QStringLiteral(TL380CFG_PATH) << QStringLiteral("--version")
                                    << QByteArray("tl380cfg 1.");
    QTest::newRow("ctl help") << QStringLiteral(TL380CTL_PATH) << QStringLiteral("--help")
                              << QByteArray("Exit status:");
    QTest::newRow("ctl version") << QStringLiteral(TL380CTL_PATH) << QStringLiteral("--version")
                                 << QByteArray("tl380ctl 1.");
}

void TestProgramManners::helpAndVersionWithoutDisplay()
{
    QFETCH(QString, program);
    QFETCH(QString, option);
    QFETCH(QByteArray, answer);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(program, {option});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardOutput().contains(answer));
}

// The toolkit takes its options (a one-dash word is no cluster of letters); a word left over is a
// usage error, found before any window opens.
void TestProgramManners::toolkitOptionsPassStrayWordsDoNot_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QByteArray>("fault");
    QTest::newRow("-reverse") << QStringList{"-reverse", "foo"} << QByteArray("'foo'");
    QTest::newRow("-stylesheet") << QStringList{"-stylesheet", "x.qss", "foo"} << QByteArray("'foo'");
    QTest::newRow("-platformtheme") << QStringList{"-platformtheme", "x", "foo"} << QByteArray("'foo'");
    QTest::newRow("-platformpluginpath")
        << QStringList{"-platformpluginpath", "/nowhere", "-"} << QByteArray("'-'");
    QTest::newRow("--") << QStringList{"--"} << QByteArray("'--'");
}

void TestProgramManners::toolkitOptionsPassStrayWordsDoNot()
{
    QFETCH(QStringList, words);
    QFETCH(QByteArray, fault);
    QProcess process;
    process.start(QStringLiteral(TL380CFG_PATH), words);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
    const QByteArray error = process.readAllStandardError();
    QVERIFY2(error.contains("Unexpected argument " + fault), error);
}

namespace {

QProcess *helpUnder(const QString &lang, const QStringList &words)
{
    auto *process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), lang);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(TL380CFG_PATH), words);
    process->waitForFinished(10000);
    return process;
}

} // namespace

// The help speaks the system's language or the one --lang names; an unknown one is a usage error.
void TestProgramManners::helpFollowsTheLanguage()
{
    const std::unique_ptr<QProcess> english(helpUnder(QStringLiteral("C"), {QStringLiteral("--help")}));
    const std::unique_ptr<QProcess> chinese(
        helpUnder(QStringLiteral("zh_CN.UTF-8"), {QStringLiteral("--help")}));
    const std::unique_ptr<QProcess> asked(
        helpUnder(QStringLiteral("zh_CN.UTF-8"),
                  {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--help")}));
    const std::unique_ptr<QProcess> unknown(
        helpUnder(QStringLiteral("C"), {QStringLiteral("--lang"), QStringLiteral("fr")}));
    const QByteArray englishHelp = english->readAllStandardOutput();
    QVERIFY(englishHelp.contains("Configures TL380 collectors"));
    QVERIFY(
        QString::fromUtf8(chinese->readAllStandardOutput()).contains(QStringLiteral("配置 TL380 采集器")));
    QCOMPARE(asked->readAllStandardOutput(), englishHelp);
    QCOMPARE(unknown->exitCode(), 2);
    QVERIFY(unknown->readAllStandardError().contains("Unknown language 'fr'"));
}

void TestProgramManners::windowTraceHoldsEachExchange()
{
    QTemporaryDir dir;
    Simulator sim({QStringLiteral("--fast")}, dir.filePath(QStringLiteral("tty")));
    PageWindow w;
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    QVERIFY(w.form.openTrace(trace));
    w.pick(QStringLiteral("ComboBox2"), 1);
    w.get<QLineEdit>(QStringLiteral("Edit6"))->setText(QStringLiteral("127.0.0.1"));
    w.get<QLineEdit>(QStringLiteral("Edit34"))->setText(QString::number(sim.port));
    w.get<QAbstractButton>(QStringLiteral("Button13"))->click();
    QTRY_COMPARE(w.shown("Label146"), QStringLiteral("Connected"));
    w.get<QAbstractButton>(QStringLiteral("Button32"))->click();
    QTest::qWait(800);
    w.get<QAbstractButton>(QStringLiteral("Button128"))->click();
    QTest::qWait(800);
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 5);
    const char *const expected[] = {"-> gateway ZZZZPPPPPP#CHEACK1#", "<- gateway TQ1:00012;",
                                    "-> gateway ZZZZPPPPPP#CHEACK3#", "<- gateway AD1:01;"};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(lines[i].mid(24).startsWith(expected[i]), lines[i]);
}

// A command given while its link is closed shows in the trace, marked as not sent.
void TestProgramManners::windowTraceMarksWhatNeverLeft()
{
    QTemporaryDir dir;
    PageWindow w;
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    QVERIFY(w.form.openTrace(trace));
    w.click(QStringLiteral("Button32"));
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray line = file.readAll();
    QVERIFY2(line.mid(24) == "-x serial PPPPPP#CHEACK1#\n", line);
}

QTEST_MAIN(TestProgramManners)
#include "test_program_manners.moc"
