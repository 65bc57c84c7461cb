#include "link/SocketError.h"
#include "link/SocketErrorNumbers.h"
#include "link/TClientSocket.h"

#include <QTest>

#include <cerrno>

// What the gateway's TCP client makes of its values without any connection:
// the dotted address, the port's low bits, the Windows Sockets numbers and the
// texts of its errors.
class GatewayNumbersTest : public QObject
{
    Q_OBJECT

private slots:
    void dottedAddresses_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<quint32>("address");
        QTest::newRow("form value") << QByteArray("192.168.0.88") << quint32(0xC0A80058);
        QTest::newRow("loopback") << QByteArray("127.0.0.1") << quint32(0x7F000001);
        QTest::newRow("leading zeros") << QByteArray("010.000.000.001") << quint32(0x0A000001);
        QTest::newRow("all ones is itself") << QByteArray("255.255.255.255") << NoAddress;
        QTest::newRow("host name") << QByteArray("gateway.local") << NoAddress;
        QTest::newRow("part over 255") << QByteArray("192.168.0.256") << NoAddress;
        QTest::newRow("three parts") << QByteArray("192.168.1") << NoAddress;
        QTest::newRow("five parts") << QByteArray("1.2.3.4.5") << NoAddress;
        QTest::newRow("empty part") << QByteArray("1..3.4") << NoAddress;
        QTest::newRow("trailing blank") << QByteArray("1.2.3.4 ") << NoAddress;
        QTest::newRow("signed part") << QByteArray("1.2.3.+4") << NoAddress;
        QTest::newRow("hex part") << QByteArray("1.2.3.0x4") << NoAddress;
        QTest::newRow("four digits") << QByteArray("1.2.3.0004") << NoAddress;
        QTest::newRow("ipv6") << QByteArray("::1") << NoAddress;
    }
    void dottedAddresses()
    {
        QFETCH(QByteArray, text);
        QFETCH(quint32, address);
        QCOMPARE(dottedAddress(text), address);
    }

    void errorNumbersFollowWindowsSockets_data()
    {
        QTest::addColumn<int>("qtError");
        QTest::addColumn<int>("number");
        QTest::newRow("refused") << int(QAbstractSocket::ConnectionRefusedError) << 10061;
        QTest::newRow("timed out") << int(QAbstractSocket::SocketTimeoutError) << 10060;
        QTest::newRow("reset by peer") << int(QAbstractSocket::RemoteHostClosedError) << 10054;
        QTest::newRow("network unreachable") << int(QAbstractSocket::NetworkError) << 10051;
        QTest::newRow("access") << int(QAbstractSocket::SocketAccessError) << 10013;
        QTest::newRow("address not available")
            << int(QAbstractSocket::SocketAddressNotAvailableError) << 10049;
        QTest::newRow("unknown") << int(QAbstractSocket::UnknownSocketError) << 10050;
    }
    void errorNumbersFollowWindowsSockets()
    {
        QFETCH(int, qtError);
        QFETCH(int, number);
        QCOMPARE(socketErrorNumber(QAbstractSocket::SocketError(qtError)), number);
        QVERIFY(!socketErrorText(number).isEmpty());
    }

    void systemErrorsFollowWindowsSockets_data()
    {
        QTest::addColumn<int>("systemError");
        QTest::addColumn<int>("number");
#ifdef Q_OS_WIN
        // The system's numbers are the Windows Sockets numbers, kept as they are.
        QTest::newRow("WSAECONNRESET") << 10054 << 10054;
        QTest::newRow("WSAEACCES") << 10013 << 10013;
        QTest::newRow("WSAEWOULDBLOCK, not in the table") << 10035 << 10035;
#else
        QTest::newRow("ECONNRESET") << ECONNRESET << 10054;
        QTest::newRow("ECONNREFUSED") << ECONNREFUSED << 10061;
        QTest::newRow("ETIMEDOUT") << ETIMEDOUT << 10060;
        QTest::newRow("EHOSTUNREACH") << EHOSTUNREACH << 10065;
        QTest::newRow("ENETUNREACH") << ENETUNREACH << 10051;
        QTest::newRow("ECONNABORTED") << ECONNABORTED << 10053;
        QTest::newRow("not in the table") << EPERM << 10050;
#endif
    }
    void systemErrorsFollowWindowsSockets()
    {
        QFETCH(int, systemError);
        QFETCH(int, number);
        QCOMPARE(systemErrorNumber(systemError), number);
    }

    void messages_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected");
        QTest::newRow("refused") << SocketError::asynchronous(10061).message()
                                 << QStringLiteral("Asynchronous socket error 10061");
        QTest::newRow("connect call")
            << SocketError::onCall(10049, "connect").message()
            << QStringLiteral("Windows socket error: The requested address is not valid "
                              "in its context (10049), on API 'connect'");
        QTest::newRow("send call") << SocketError::onCall(10054, "send").message()
                                   << QStringLiteral(
                                          "Windows socket error: An existing connection was forcibly "
                                          "closed by the remote host (10054), on API 'send'");
        QTest::newRow("no address") << SocketError::noAddress().message()
                                    << QStringLiteral("No address specified");
        QTest::newRow("active") << SocketError::changeWhileActive().message()
                                << QStringLiteral("Can't change value while socket is active");
    }
    void messages()
    {
        QFETCH(QString, message);
        QFETCH(QString, expected);
        QCOMPARE(message, expected);
    }

    void onlyTheLowSixteenBitsOfThePortAreUsed_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("target");
        QTest::newRow("form value") << 7000 << 7000;
        QTest::newRow("70000") << 70000 << 4464;
        QTest::newRow("65536") << 65536 << 0;
        QTest::newRow("minus one") << -1 << 65535;
    }
    void onlyTheLowSixteenBitsOfThePortAreUsed()
    {
        QFETCH(int, port);
        QFETCH(int, target);
        TClientSocket client;
        client.setPort(port);
        QCOMPARE(client.Port(), port);
        QCOMPARE(int(client.targetPort()), target);
    }
};

QTEST_GUILESS_MAIN(GatewayNumbersTest)
#include "test_gateway_numbers.moc"
