#include "PtyPair.h"
#include "commands/CommandTable.h"
#include "test_faults_rig.h"
#include "test_sim_process.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

// What the tool does not do, checked from inside after every part of the window
// has been used: it listens on no socket, starts no program of its own accord,
// holds no file open; and the simulator listens on loopback only.
class SecurityTest : public QObject
{
    Q_OBJECT

    // Where each descriptor of a process leads ("socket:[123]", "/dev/pts/4", ...).
    static QStringList descriptorTargets(const QString &process = QStringLiteral("self"))
    {
        QStringList targets;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(process));
        for (const QString &fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
            char target[512];
            const ssize_t n =
                ::readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target);
            if (n > 0)
                targets << QString::fromLocal8Bit(target, n);
        }
        return targets;
    }

    // The sockets of a process in the listening state, as "local address:port" in
    // the kernel's hexadecimal form, found by matching inodes.
    static QStringList listeningSockets(const QString &process, const QSet<QString> &except = {})
    {
        QSet<QString> inodes;
        for (const QString &target : descriptorTargets(process))
            if (target.startsWith(QLatin1String("socket:[")) && !except.contains(target))
                inodes << target.mid(8).chopped(1);
        QStringList listening;
        for (const char *table : {"tcp", "tcp6", "udp", "udp6"}) {
            QFile file(QStringLiteral("/proc/%1/net/%2").arg(process, QLatin1String(table)));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (const QByteArray &line : file.readAll().split('\n').mid(1)) {
                const QList<QByteArray> f = line.simplified().split(' ');
                // Columns: sl local remote st ... inode (10th).
                const bool tcp = QByteArray(table).startsWith("tcp");
                if (f.size() > 9 && inodes.contains(QString::fromLatin1(f[9])) && (!tcp || f[3] == "0A"))
                    listening << QString::fromLatin1(f[1]);
            }
        }
        return listening;
    }

    static QStringList childProcesses()
    {
        QStringList children;
        const QDir tasks(QStringLiteral("/proc/self/task"));
        for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile file(tasks.filePath(task + QStringLiteral("/children")));
            if (file.open(QIODevice::ReadOnly))
                children << QString::fromLatin1(file.readAll()).split(u' ', Qt::SkipEmptyParts);
        }
        return children;
    }

    // Every button of every command row, then the link buttons, in the mode given.
    static void clickEverything(FaultWindow &w)
    {
        for (const auto family : commandFamilies())
            for (const CommandRow &row : family)
                if (auto *button = w.form.findChild<QPushButton *>(QLatin1String(row.button));
                    button && button->isEnabled()) {
                    QTest::mouseClick(button, Qt::LeftButton);
                    closeBoxes();
                }
    }

private slots:
    void toolListensNowhereStartsNothingOpensNoFile()
    {
        const QStringList before = descriptorTargets();
        {
            PtyPair pty;
            LoopbackGateway gateway;
            const QSet<QString> ownServer{QStringLiteral("socket:[%1]").arg([&] {
                struct stat info
                {
                };
                ::fstat(int(gateway.server.socketDescriptor()), &info);
                return qulonglong(info.st_ino);
            }())};
            FaultWindow w;
            w.openSerial(pty.slavePath());
            clickEverything(w);
            w.click("Button32");
            pty.write("TQ1:00012;TM:2506151230;SA:3;SD:0a;DY:05;ER:010;");
            QTRY_COMPARE(openBoxes().size(), 1);
            closeBoxes();

            w.connectTo(gateway.port());
            QVERIFY(gateway.accept());
            QTRY_COMPARE(w.text("Label146"), QStringLiteral("Connected"));
            clickEverything(w);
            // Starts the gateway configuration program beside the executable, which is not there.
            w.click("Button37");
            gateway.peer->write("TY:10");
            QTest::qWait(600);
            closeBoxes();

            // The test's own gateway is seen, so the look would see the tool's too.
            QCOMPARE(listeningSockets(QStringLiteral("self")).size(), 1);
            QCOMPARE(listeningSockets(QStringLiteral("self"), ownServer), QStringList());
            QCOMPARE(childProcesses(), QStringList());
            QStringList files;
            // The serial port library's device lock (UUCP style, removed at close) is the one file allowed.
            for (const QString &target : descriptorTargets())
                if (target.startsWith(u'/') && !before.contains(target) &&
                    !target.startsWith(QLatin1String("/dev/")) &&
                    !QFileInfo(target).fileName().startsWith(QLatin1String("LCK..")))
                    files << target;
            QVERIFY2(files.isEmpty(), qPrintable(files.join(u' ')));
            w.click("Button9");
            w.pick("ComboBox2", 0);
            w.click("Button10");
        }
        QTest::qWait(100);
        // Nothing stays held once the window is gone.
        QStringList left;
        for (const QString &target : descriptorTargets())
            if (!before.contains(target) && !target.startsWith(QLatin1String("anon_inode:")) &&
                !target.startsWith(QLatin1String("pipe:")))
                left << target;
        QCOMPARE(left, QStringList());
    }

    void simulatorListensOnLoopbackOnly()
    {
        const QString link = QDir::temp().filePath(QStringLiteral("tl380-security-%1").arg(::getpid()));
        simtest::Simulator sim({}, link);
        QVERIFY(sim.port != 0);
        const QStringList listening = listeningSockets(QString::number(sim.pid()));
        QVERIFY2(listening.size() == 1, qPrintable(descriptorTargets(QString::number(sim.pid())).join(u' ')));
        // 127.0.0.1 in the kernel's little-endian hexadecimal.
        QCOMPARE(listening.first().section(u':', 0, 0), QStringLiteral("0100007F"));
        QCOMPARE(listening.first().section(u':', 1, 1).toUInt(nullptr, 16), uint(sim.port));
    }
};

QTEST_MAIN(SecurityTest)
#include "test_security.moc"
