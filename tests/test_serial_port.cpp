#include "PtyPair.h"
#include "link/CommsError.h"
#include "link/TComm.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

class SerialPortTest : public QObject
{
    Q_OBJECT

    // An open port on the slave side of a fresh pair.
    struct OpenLine
    {
        PtyPair pty;
        TComm comm;
        QSignalSpy pieces{&comm, &TComm::ReceiveData};
        OpenLine()
        {
            comm.CommName = pty.slavePath();
            comm.OpenPort();
        }
        QByteArray piece(int i) const { return pieces.at(i).at(0).toByteArray(); }
    };

private slots:
    void writesExactBytes()
    {
        OpenLine line;
        QVERIFY(line.comm.WritePort("PPPPPP#VAR#"));
        QCOMPARE(line.pty.read(), QByteArray("PPPPPP#VAR#"));
        QVERIFY(line.comm.WritePort("CFGSET#RESET#"));
        QCOMPARE(line.pty.read(), QByteArray("CFGSET#RESET#"));
    }

    void bytesPassRawBothWays()
    {
        OpenLine line;
        const QByteArray all8bit = [] {
            QByteArray b;
            for (int c = 0; c < 256; ++c)
                b += char(c);
            return b;
        }();
        QVERIFY(line.comm.WritePort(all8bit));
        QCOMPARE(line.pty.read(), all8bit);
        line.pty.write(all8bit);
        QTRY_COMPARE(line.pieces.size(), 1);
        QCOMPARE(line.piece(0), all8bit);
    }

    void burstIsCutAt2048()
    {
        OpenLine line;
        line.pty.write(QByteArray("0123456789").repeated(300));
        QTRY_COMPARE_WITH_TIMEOUT(line.pieces.size(), 2, 2000);
        QCOMPARE(line.piece(0).size(), 2048);
        QCOMPARE(line.piece(1).size(), 952);
        QCOMPARE(line.piece(0) + line.piece(1), QByteArray("0123456789").repeated(300));
        QTest::qWait(200);
        QCOMPARE(line.pieces.size(), 2);
    }

    void pauseEndsAPiece()
    {
        OpenLine line;
        line.pty.write("TQ1:");
        QTest::qWait(125);
        line.pty.write("12345;");
        QTRY_COMPARE_WITH_TIMEOUT(line.pieces.size(), 2, 2000);
        QCOMPARE(line.piece(0), QByteArray("TQ1:"));
        QCOMPARE(line.piece(1), QByteArray("12345;"));
    }

    void shortGapsKeepOnePiece()
    {
        OpenLine line;
        for (const char *part : {"TQ1:", "123", "45;"}) {
            line.pty.write(part);
            QTest::qWait(60);
        }
        QTest::qWait(250);
        QCOMPARE(line.pieces.size(), 1);
        QCOMPARE(line.piece(0), QByteArray("TQ1:12345;"));
    }

    void nulIsDelivered()
    {
        OpenLine line;
        line.pty.write(QByteArray("AB\0CD", 5));
        QTRY_COMPARE(line.pieces.size(), 1);
        QCOMPARE(line.piece(0), QByteArray("AB\0CD", 5));
    }

    void missingDeviceFailsToOpen()
    {
        TComm comm;
        comm.CommName = QStringLiteral("COM3");
        try {
            comm.OpenPort();
            QFAIL("opened a device that does not exist");
        } catch (const CommsError &error) {
            QCOMPARE(error.message(), QStringLiteral("Error opening serial port"));
        }
        QVERIFY(!comm.isOpen());
        QVERIFY(!comm.WritePort("X"));
    }

    void regularFileIsNoSerialLine()
    {
        TComm comm;
        comm.CommName = QFINDTESTDATA("test_serial_port.cpp");
        QVERIFY(!comm.CommName.isEmpty());
        try {
            comm.OpenPort();
            QFAIL("opened a regular file");
        } catch (const CommsError &error) {
            QCOMPARE(error.message(), QStringLiteral("File handle is not a comm handle "));
        }
    }

    void relativePathToRegularFileIsNoSerialLine()
    {
        QTemporaryFile file(QStringLiteral("plain-XXXXXX"));
        QVERIFY(file.open());
        TComm comm;
        comm.CommName = QStringLiteral("./") + QFileInfo(file).fileName();
        try {
            comm.OpenPort();
            QFAIL("opened a regular file");
        } catch (const CommsError &error) {
            QCOMPARE(error.message(), QStringLiteral("File handle is not a comm handle "));
        }
    }

    void folderCannotBeOpened()
    {
        const QTemporaryDir folder;
        TComm comm;
        comm.CommName = folder.path();
        try {
            comm.OpenPort();
            QFAIL("opened a folder");
        } catch (const CommsError &error) {
            QCOMPARE(error.message(), QStringLiteral("Error opening serial port"));
        }
    }

    void deviceHeldElsewhereFailsToOpen()
    {
        PtyPair pty;
        TComm first;
        first.CommName = pty.slavePath();
        first.OpenPort();
        TComm second;
        second.CommName = pty.slavePath();
        QVERIFY_THROWS_EXCEPTION(CommsError, second.OpenPort());
    }

    void closedPortSendsNothing()
    {
        OpenLine line;
        line.comm.ClosePort();
        QVERIFY(!line.comm.WritePort("PPPPPP#VAR#"));
        QCOMPARE(line.pty.read(300), QByteArray());
        QVERIFY(!line.comm.isOpen());
        line.comm.ClosePort();
        line.comm.OpenPort();
        QVERIFY(line.comm.WritePort("X"));
        QCOMPARE(line.pty.read(), QByteArray("X"));
    }

    // A "Set" pressed just before the port is closed, or the program ends, still reaches the collector.
    void writtenBytesGoOutBeforeTheClose_data()
    {
        QTest::addColumn<bool>("destroyed");
        QTest::newRow("port closed") << false;
        QTest::newRow("program ending") << true;
    }
    void writtenBytesGoOutBeforeTheClose()
    {
        QFETCH(bool, destroyed);
        PtyPair pty;
        auto comm = std::make_unique<TComm>();
        comm->CommName = pty.slavePath();
        comm->OpenPort();
        const QByteArray command = QByteArray("CFGSET#ST:00123#").repeated(20);
        QVERIFY(comm->WritePort(command));
        if (destroyed)
            comm.reset();
        else
            comm->ClosePort();
        QCOMPARE(pty.read(), command);
    }

    // A modem manager probing the adapter, or a terminal left on the line, takes bytes first: the port
    // finds nothing to read, and must go on reading, not take that for a pulled adapter.
    void bytesTakenByAnotherReaderLeaveThePortOpen()
    {
        OpenLine line;
        const int other = ::open(line.pty.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        QVERIFY(other >= 0);
        std::atomic<bool> stop = false;
        std::thread thief([&] {
            pollfd ready{other, POLLIN, 0};
            char bytes[64];
            while (!stop)
                if (::poll(&ready, 1, 10) > 0 && ::read(other, bytes, sizeof bytes) < 0)
                    break;
        });
        // Enough bytes that the other reader wins some of them while the port is already reading.
        for (int i = 0; i < 500; ++i) {
            line.pty.write("x");
            QTest::qWait(1 + i % 3);
        }
        stop = true;
        thief.join();
        ::close(other);
        QTest::qWait(200);
        line.pieces.clear();
        line.pty.write("TQ1:00012;");
        QTRY_COMPARE_WITH_TIMEOUT(line.pieces.size(), 1, 2000);
        QCOMPARE(line.piece(0), QByteArray("TQ1:00012;"));
        QVERIFY(line.comm.WritePort("PPPPPP#VAR#"));
        QCOMPARE(line.pty.read(), QByteArray("PPPPPP#VAR#"));
    }

    void emptyWriteIsRefused()
    {
        OpenLine line;
        QVERIFY(!line.comm.WritePort({}));
    }

    void vanishedDeviceLeavesTheProcessIdle()
    {
        OpenLine line;
        line.pty.write("LAST");
        QTRY_COMPARE(line.pieces.size(), 1);
        line.pty.hangUp();
        QTest::qWait(300);
        const double before = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(1000);
        const double share = (cpuSeconds() - before) / (double(clock.elapsed()) / 1000.0);
        QVERIFY2(share < 0.05, qPrintable(QStringLiteral("%1% of a core").arg(share * 100, 0, 'f', 1)));
        QVERIFY(line.comm.WritePort("after"));
        line.comm.ClosePort();
        QVERIFY(!line.comm.isOpen());
    }
};

QTEST_GUILESS_MAIN(SerialPortTest)
#include "test_serial_port.moc"
