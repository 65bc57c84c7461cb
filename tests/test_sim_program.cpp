// The simulator program as the tool meets it: over its pseudo-terminal and its TCP gateway.
#include "test_sim_process.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using simtest::Simulator;

namespace {

struct Burst
{
    QByteArray bytes;
    qint64 arrivedMs = 0; // first byte, from the start of the read
    qint64 lastMs = 0;
    qint64 longestGapMs = 0;
};

// A raw client on the pseudo-terminal, as a serial port opened at 9600 8N1.
class SerialClient
{
public:
    explicit SerialClient(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_fd < 0)
            return;
        termios line{};
        ::tcgetattr(m_fd, &line);
        ::cfmakeraw(&line);
        ::cfsetspeed(&line, B9600);
        ::tcsetattr(m_fd, TCSANOW, &line);
    }
    ~SerialClient()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }
    void send(const QByteArray &bytes)
    {
        QCOMPARE(::write(m_fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    }

    // Everything up to quietMs without a byte, waiting up to firstMs for the first.
    Burst read(int firstMs = 2000, int quietMs = 150)
    {
        Burst burst;
        QElapsedTimer clock;
        clock.start();
        qint64 last = -1;
        for (;;) {
            pollfd p{m_fd, POLLIN, 0};
            const int wait =
                last < 0 ? int(firstMs - clock.elapsed()) : int(quietMs - (clock.elapsed() - last));
            if (wait <= 0 || ::poll(&p, 1, wait) <= 0)
                return burst;
            char buffer[4096];
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                return burst;
            const qint64 now = clock.elapsed();
            if (last < 0)
                burst.arrivedMs = now;
            else
                burst.longestGapMs = qMax(burst.longestGapMs, now - last);
            last = now;
            burst.lastMs = now;
            burst.bytes.append(buffer, n);
        }
    }

private:
    int m_fd = -1;
};

QByteArray tcpAsk(QTcpSocket &socket, const QByteArray &command, int quietMs = 200)
{
    socket.write(command);
    socket.flush();
    QByteArray reply;
    if (!socket.waitForReadyRead(2000))
        return reply;
    reply += socket.readAll();
    while (socket.waitForReadyRead(quietMs))
        reply += socket.readAll();
    return reply;
}

qint64 cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').last().split(' ');
    return fields.value(12).toLongLong() + fields.value(13).toLongLong(); // utime + stime
}

} // namespace

class SimProgramTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString linkPath() const { return m_dir.filePath(QStringLiteral("ttyTL380")); }

private slots:
    void answers_over_the_pseudo_terminal_data()
    {
        QTest::addColumn<QList<QByteArray>>("writes");
        QTest::addColumn<QByteArray>("replyStart");
        QTest::newRow("communication test") << QList<QByteArray>{"PPPPPP#VAR#"} << QByteArray("TY:10");
        QTest::newRow("system parameters")
            << QList<QByteArray>{"PPPPPP#CHEACK1#"} << QByteArray("TQ1:00012;TM:");
        QTest::newRow("command in two writes")
            << QList<QByteArray>{"PPPPPP#CHE", "ACK6#"} << QByteArray("MR485A:3,0,0;");
        QTest::newRow("noise before")
            << QList<QByteArray>{"\xff\x01noisePPPPPP#COMP01#"} << QByteArray("COMP01:010300");
        QTest::newRow("prefixed interval") << QList<QByteArray>{"ZZZZCFGSET#IT1:0060#"} << QByteArray("OK");
        QTest::newRow("unknown") << QList<QByteArray>{"PPPPPP#NOSUCH#"} << QByteArray("ERROR");
    }
    void answers_over_the_pseudo_terminal()
    {
        QFETCH(QList<QByteArray>, writes);
        QFETCH(QByteArray, replyStart);
        Simulator sim({"--fast"}, linkPath());
        QCOMPARE(sim.link, linkPath());
        SerialClient client(sim.link);
        QVERIFY(client.isOpen());
        for (const QByteArray &w : writes) {
            client.send(w);
            QTest::qWait(30);
        }
        const Burst burst = client.read();
        QVERIFY2(burst.bytes.startsWith(replyStart), burst.bytes);
    }

    void paces_replies_at_9600_in_one_burst()
    {
        Simulator sim({}, linkPath());
        SerialClient client(sim.link);
        QVERIFY(client.isOpen());
        client.send("PPPPPP#CHEACK6#");
        const Burst burst = client.read(3000, 120);
        QVERIFY(burst.bytes.endsWith("ZDPD03:0,011,0,00,00001;"));
        // about 1.04 ms a byte, and no pause a reader would cut the reply at
        const qint64 lineMs = burst.bytes.size() * 1042 / 1000;
        QVERIFY2(burst.lastMs > lineMs * 8 / 10, QByteArray::number(burst.lastMs));
        QVERIFY2(burst.longestGapMs < 100, QByteArray::number(burst.longestGapMs));
    }

    void survives_the_tool_closing_and_reopening()
    {
        Simulator sim({"--fast"}, linkPath());
        {
            SerialClient first(sim.link);
            first.send("CFGSET#ST:00077#");
            QCOMPARE(first.read().bytes, QByteArray("OK"));
        }
        const qint64 before = cpuTicks(sim.pid());
        QTest::qWait(1000);
        const qint64 spent = cpuTicks(sim.pid()) - before;
        QVERIFY2(spent < 20, QByteArray::number(spent)); // under a fifth of a core while nobody listens
        SerialClient second(sim.link);
        second.send("PPPPPP#CHEACK1#");
        QVERIFY(second.read().bytes.startsWith("TQ1:00077;"));
    }

    void replaces_a_stale_link()
    {
        QFile::remove(linkPath());
        QVERIFY(QFile::link(m_dir.filePath("gone"), linkPath()));
        Simulator sim({"--fast"}, linkPath());
        SerialClient client(sim.link);
        QVERIFY(client.isOpen());
        client.send("PPPPPP#VAR#");
        QCOMPARE(client.read().bytes, QByteArray("TY:10"));
    }

    void refuses_to_replace_a_file()
    {
        const QString path = m_dir.filePath("plain");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        Simulator sim({"--fast"}, path);
        QTRY_COMPARE_WITH_TIMEOUT(sim.process().state(), QProcess::NotRunning, 3000);
        QCOMPARE(sim.process().exitCode(), 1);
        QVERIFY(QFile::exists(path));
    }

    void removes_its_link_when_ended()
    {
        {
            Simulator sim({"--fast"}, linkPath());
            QVERIFY(QFileInfo(linkPath()).isSymLink());
        }
        QVERIFY(!QFileInfo(linkPath()).isSymLink());
    }

    void answers_over_the_gateway_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("replyStart");
        QTest::newRow("prefixed test") << QByteArray("ZZZZPPPPPP#VAR#") << QByteArray("TY:11");
        QTest::newRow("prefixed query") << QByteArray("ZZZZPPPPPP#CHEACK3#") << QByteArray("AD1:01;");
        QTest::newRow("digital input without prefix") << QByteArray("CFGSET#DI1:1#") << QByteArray("OK");
        QTest::newRow("status without prefix") << QByteArray("PPPPPP#STATUL#") << QByteArray("ST0:00012;");
        QTest::newRow("live data") << QByteArray("ZZZZPPPPPP#STATUS#") << QByteArray("ST0:00012;TM:");
    }
    void answers_over_the_gateway()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, replyStart);
        Simulator sim({}, linkPath());
        QVERIFY(sim.port != 0);
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, sim.port);
        QVERIFY(socket.waitForConnected(2000));
        const QByteArray reply = tcpAsk(socket, command);
        QVERIFY2(reply.startsWith(replyStart), reply);
    }

    void sends_history_records_back_to_back()
    {
        Simulator sim({}, linkPath());
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, sim.port);
        QVERIFY(socket.waitForConnected(2000));
        QElapsedTimer clock;
        clock.start();
        socket.write("PPPPPP#REDEEM110101000003#");
        QByteArray received;
        while (received.count("\r\n") < 3 && clock.elapsed() < 5000)
            if (socket.waitForReadyRead(1000))
                received += socket.readAll();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        const QList<QByteArray> records = received.split('\n');
        QCOMPARE(records.size(), 4);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(records[i].startsWith("REC:00" + QByteArray::number(i + 1) + ';'));
            QVERIFY(records[i].endsWith(";\r"));
        }
        QCOMPARE(records[3], QByteArray());
    }

    void splits_replies_when_asked()
    {
        Simulator sim({"--fast", "--split", "250"}, linkPath());
        SerialClient client(sim.link);
        client.send("PPPPPP#CHEACK1#");
        const Burst first = client.read(2000, 150);
        const Burst second = client.read(1000, 150);
        QVERIFY(first.bytes.startsWith("TQ1:"));
        QVERIFY(!second.bytes.isEmpty());
        QCOMPARE(first.bytes.size(), (first.bytes.size() + second.bytes.size()) / 2);
        QVERIFY((first.bytes + second.bytes).endsWith(";ER:000;"));
    }

    void drops_every_other_command()
    {
        Simulator sim({"--fast", "--drop"}, linkPath());
        SerialClient client(sim.link);
        client.send("PPPPPP#VAR#");
        QCOMPARE(client.read().bytes, QByteArray("TY:10"));
        client.send("PPPPPP#VAR#");
        QCOMPARE(client.read(600).bytes, QByteArray());
        client.send("PPPPPP#VAR#");
        QCOMPARE(client.read().bytes, QByteArray("TY:10"));
    }

    void puts_noise_before_replies()
    {
        Simulator sim({"--fast", "--garbage"}, linkPath());
        SerialClient client(sim.link);
        client.send("PPPPPP#VAR#");
        const QByteArray reply = client.read().bytes;
        QVERIFY(reply.endsWith("TY:10"));
        QVERIFY(reply.size() > 5);
        QVERIFY(!reply.contains('\0'));
    }

    void logs_commands_and_replies()
    {
        Simulator sim({"--fast", "--log"}, linkPath());
        SerialClient client(sim.link);
        client.send("PPPPPP#VAR#");
        QCOMPARE(client.read().bytes, QByteArray("TY:10"));
        QTest::qWait(100);
        const QByteArray log = sim.process().readAllStandardError();
        QVERIFY2(QRegularExpression("\\d\\d:\\d\\d:\\d\\d\\.\\d{3} serial <- PPPPPP#VAR#")
                     .match(QString::fromLatin1(log))
                     .hasMatch(),
                 log);
        QVERIFY(log.contains("serial -> TY:10"));
    }
};

QTEST_GUILESS_MAIN(SimProgramTest)
#include "test_sim_program.moc"
