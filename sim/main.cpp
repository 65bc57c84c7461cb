#include "Collector.h"
#include "GatewayServer.h"
#include "LinkSession.h"
#include "PtyPort.h"
#include "SimOptions.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void say(const QString &line, FILE *stream = stdout)
{
    std::fputs(qPrintable(line + u'\n'), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tl380sim"));
    const sim::ParsedOptions parsed = sim::parseOptions(QCoreApplication::arguments());
    if (!parsed.options) {
        say(parsed.message, parsed.failed ? stderr : stdout);
        return parsed.failed ? 2 : 0;
    }
    const sim::SimOptions &options = *parsed.options;

    sim::Collector collector;
    sim::LinkOptions link;
    link.splitMs = options.splitMs;
    link.dropEveryOther = options.drop;
    link.garbage = options.garbage;
    link.log = options.log;

    sim::PtyPort pty;
    QString error;
    if (!pty.open(options.serialPath, &error)) {
        say(QStringLiteral("tl380sim: ") + error, stderr);
        return 1;
    }
    sim::PtyPort::removeLinkOnTermination(pty.linkPath());
    sim::LinkOptions serialLink = link;
    serialLink.paced = !options.fast;
    sim::LinkSession serial(collector, sim::Link::Serial, QStringLiteral("serial"), serialLink,
                            [&pty](const QByteArray &bytes) { return pty.write(bytes); });
    QObject::connect(&pty, &sim::PtyPort::received, &serial, &sim::LinkSession::receive);

    sim::LinkOptions tcpLink = link;
    sim::GatewayServer gateway(collector, tcpLink);
    if (!gateway.listen(options.listenAddress, options.tcpPort)) {
        say(QStringLiteral("tl380sim: cannot listen on %1:%2: %3")
                .arg(options.listenAddress.toString())
                .arg(options.tcpPort)
                .arg(gateway.errorString()),
            stderr);
        return 1;
    }

    say(QStringLiteral("serial: %1 (%2)").arg(pty.linkPath(), pty.devicePath()));
    say(QStringLiteral("tcp: %1:%2").arg(options.listenAddress.toString()).arg(gateway.port()));
    return app.exec();
}
