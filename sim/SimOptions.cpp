#include "SimOptions.h"

#include <QCommandLineParser>

namespace sim {

ParsedOptions parseOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A TL380 collector on a pseudo-terminal and behind a TCP gateway, for trying the tool."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption serial(
        QStringLiteral("serial"),
        QStringLiteral("Link the pseudo-terminal at <path> (default /tmp/ttyTL380)."), QStringLiteral("path"),
        QStringLiteral("/tmp/ttyTL380"));
    const QCommandLineOption tcp(QStringLiteral("tcp"),
                                 QStringLiteral("Gateway port (default 7000; 0 picks a free port)."),
                                 QStringLiteral("port"), QStringLiteral("7000"));
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Gateway address (default 127.0.0.1)."),
                                    QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption fast(QStringLiteral("fast"),
                                  QStringLiteral("Answer without 9600 bit/s pacing."));
    const QCommandLineOption split(QStringLiteral("split"),
                                   QStringLiteral("Send each reply in two halves, <ms> apart."),
                                   QStringLiteral("ms"));
    const QCommandLineOption drop(QStringLiteral("drop"), QStringLiteral("Ignore every other command."));
    const QCommandLineOption garbage(QStringLiteral("garbage"),
                                     QStringLiteral("Put noise bytes before replies."));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Print each command and reply with a time stamp to stderr."));
    parser.addOptions({serial, tcp, listen, fast, split, drop, garbage, log});

    if (!parser.parse(arguments))
        return {std::nullopt, parser.errorText(), true};
    if (parser.isSet(help))
        return {std::nullopt, parser.helpText(), false};
    if (!parser.positionalArguments().isEmpty())
        return {std::nullopt,
                QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first()), true};

    SimOptions options;
    options.serialPath = parser.value(serial);
    bool ok = false;
    const uint port = parser.value(tcp).toUInt(&ok);
    if (!ok || port > 65535)
        return {std::nullopt, QStringLiteral("--tcp wants a port from 0 to 65535"), true};
    options.tcpPort = quint16(port);
    if (!options.listenAddress.setAddress(parser.value(listen)))
        return {std::nullopt, QStringLiteral("--listen wants an IP address"), true};
    if (parser.isSet(split)) {
        options.splitMs = parser.value(split).toInt(&ok);
        if (!ok || options.splitMs < 0 || options.splitMs > 60000)
            return {std::nullopt, QStringLiteral("--split wants milliseconds from 0 to 60000"), true};
    }
    options.fast = parser.isSet(fast);
    options.drop = parser.isSet(drop);
    options.garbage = parser.isSet(garbage);
    options.log = parser.isSet(log);
    return {options, {}, false};
}

} // namespace sim
