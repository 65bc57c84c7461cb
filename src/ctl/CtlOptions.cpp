#include "ctl/CtlOptions.h"

#include "ctl/ExitStatus.h"
#include "profile/NearestName.h"
#include "profile/QuotedHead.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// The options of each command beyond those of every command (the link, --timeout,
// --retries, --trace, -o, --dry-run). Another one given is a usage error.
struct CommandOptions
{
    const char *command;
    const char *options[6];
};
// clang-format off
constexpr CommandOptions commandOptions[] = {
    {"test",    {"json"}},
    {"read",    {"json", "template"}},
    {"write",   {"all", "skip-serial-only", "json", "clear-history", "set", "restore"}},
    {"diff",    {"skip-serial-only", "json", "set", "restore"}},
    {"clock",   {"set", "json"}},
    {"live",    {"every", "count", "csv", "json"}},
    {"history", {"from", "count", "json"}},
    {"send",    {}},
    {"reset",   {"yes"}},
    {"keys",    {"json"}},
};
// clang-format on

// Whether some command lists the option as its own.
bool isOwnOption(const QString &name)
{
    return std::any_of(std::begin(commandOptions), std::end(commandOptions), [&](const CommandOptions &c) {
        return std::any_of(std::begin(c.options), std::end(c.options),
                           [&](const char *option) { return option && name == QLatin1String(option); });
    });
}

const char *const Description = R"(Backs up, compares and configures TL380 collectors.

Commands:
  test                  communication test: prints the model and the link digit
  read [PAGE...]        reads the pages (system gprs channels rs485 slots) as a profile
                        (--template: without the settings that identify the collector)
  write PROFILE         checks the profile, reads the collector, sends each setting
                        that differs (--all: every one), reads back, prints a summary
  diff PROFILE          prints the settings where the collector differs from the profile
  clock [--set WHEN]    shows the clock, or sets it: now or "YYYY-MM-DD HH:MM"
  live                  live readings, one JSON object (or CSV row) a line
  history               stored records from --from, --count of them, one a line
  send TEXT             one raw exchange; prints the answer escaped
  reset --yes           puts every setting back to its factory value
  keys [PAGE|KEY...]    lists every profile key (or those named) with what it takes

A PROFILE of - is read from standard input; -o - writes standard output.
The station number identifies a collector: write keeps the collector's own unless
it is given for this collector (--set system.station_number=N) or a backup is
restored onto a replacement unit (--restore); diff lists it apart.
--dry-run prints the bytes a command would send, one command a line, and sends nothing.

An option a command does not take is a usage error. --retries sends again only
what only asks (the queries, test): never a setting, reset, the clock's --set,
send or history.

Exit status: 0 done, every step succeeded; 1 the collector differs, refused a
command, or answered without a field it must give (named); 2 usage or profile
error, nothing sent; 3 link error (cannot open, refused, lost, no answer in
time; write names what was and was not written); 4 the output could not be
written; 5 stopped by SIGINT or SIGTERM after the exchange in flight (write
names what was and was not written).)";

// Dotted IPv4, four numbers up to 255; never a name.
bool isDottedAddress(const QString &text)
{
    static const QRegularExpression dotted(
        QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const QRegularExpressionMatch match = dotted.match(text);
    if (!match.hasMatch())
        return false;
    for (int i = 1; i <= 4; ++i)
        if (match.captured(i).toInt() > 255)
            return false;
    return true;
}

QString gatewayFault(const QString &value, LinkTarget &link)
{
    const qsizetype colon = value.indexOf(u':');
    link.gatewayAddress = colon < 0 ? value : value.left(colon);
    if (!isDottedAddress(link.gatewayAddress))
        return QStringLiteral("--gateway %1: give a dotted IPv4 address such as 192.0.2.10[:7000]; names are "
                              "not looked up")
            .arg(shortHead(value));
    if (colon >= 0) {
        static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
        const QString text = value.mid(colon + 1);
        const uint port = digits.match(text).hasMatch() ? text.toUInt() : 0;
        if (port == 0 || port > 65535)
            return QStringLiteral("--gateway %1: the port is a number from 1 to 65535").arg(shortHead(value));
        link.gatewayPort = quint16(port);
    }
    return {};
}

// Words a command does not take.
QString argumentFault(const QString &command, const QStringList &words)
{
    if (command == QLatin1String("read") || command == QLatin1String("keys"))
        return {};
    const bool takesOne = command == QLatin1String("write") || command == QLatin1String("diff") ||
                          command == QLatin1String("send");
    if (takesOne && words.size() != 1)
        return command == QLatin1String("send") ? QStringLiteral("send: give one TEXT")
                                                : QStringLiteral("%1: give one PROFILE file").arg(command);
    if (!takesOne && !words.isEmpty())
        return QStringLiteral("%1: \"%2\" is no word the command takes: try tl380ctl --help")
            .arg(command, shortHead(words.first()));
    return {};
}

// The options given that the command does not take, as "--name", in the order given.
QString optionFault(const QString &command, const QCommandLineParser &parser)
{
    const CommandOptions *own =
        std::find_if(std::begin(commandOptions), std::end(commandOptions),
                     [&](const CommandOptions &c) { return command == QLatin1String(c.command); });
    QStringList takes;
    for (const char *option : own->options)
        if (option)
            takes << QStringLiteral("--") + QLatin1String(option);
    QStringList refused;
    for (const QString &given : parser.optionNames()) {
        const QString name = QStringLiteral("--") + given;
        if (isOwnOption(given) && !takes.contains(name) && !refused.contains(name))
            refused << name;
    }
    if (refused.isEmpty())
        return {};
    return QStringLiteral("%1 takes no %2 (%3); nothing sent: try tl380ctl --help")
        .arg(command, refused.join(QStringLiteral(", ")),
             takes.isEmpty() ? QStringLiteral("no option of its own")
                             : QStringLiteral("its own: ") + takes.join(QStringLiteral(", ")));
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QLatin1String(Description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption serial(QStringLiteral("serial"),
                                    QStringLiteral("The collector on serial DEVICE (9600 8N1)."),
                                    QStringLiteral("DEVICE"));
    const QCommandLineOption gateway(
        QStringLiteral("gateway"),
        QStringLiteral("The collector behind the gateway at A.B.C.D[:PORT] (port 7000)."),
        QStringLiteral("ADDRESS"));
    const QCommandLineOption timeout(
        QStringLiteral("timeout"),
        QStringLiteral("Seconds of silence after the last byte that end the wait for an answer (3)."),
        QStringLiteral("SECONDS"), QStringLiteral("3"));
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Write every command and piece to FILE."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write the profile or records to FILE."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QStringLiteral("Print the bytes each command would send; send nothing."));
    const QCommandLineOption set(
        QStringLiteral("set"),
        QStringLiteral("clock: now or \"YYYY-MM-DD HH:MM\". write, diff: page.key=VALUE, "
                       "this collector's own value over the profile's (repeatable)."),
        QStringLiteral("WHEN|KEY=VALUE"));
    const QCommandLineOption restore(
        QStringLiteral("restore"),
        QStringLiteral("write, diff: the profile's identity too (a backup onto a replacement unit)."));
    const QCommandLineOption templateOnly(
        QStringLiteral("template"),
        QStringLiteral("read: leave out the settings that identify the collector."));
    const QCommandLineOption every(QStringLiteral("every"),
                                   QStringLiteral("live: seconds between readings (1)."),
                                   QStringLiteral("SECONDS"), QStringLiteral("1"));
    const QCommandLineOption count(
        QStringLiteral("count"),
        QStringLiteral("live: readings to take (no end); history: records to ask for."), QStringLiteral("N"));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("live, history: CSV, header first."));
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("history: the first record's time."),
                                  QStringLiteral("\"YYYY-MM-DD HH:MM\""));
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("reset: yes, put everything back."));
    const QCommandLineOption all(QStringLiteral("all"),
                                 QStringLiteral("write: send every setting, not only those that differ."));
    const QCommandLineOption retries(
        QStringLiteral("retries"),
        QStringLiteral("Send a query without any answer again, N times (0); never a setting, reset, the "
                       "clock's --set, send or history."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption skipSerialOnly(
        QStringLiteral("skip-serial-only"),
        QStringLiteral("write, diff: over the gateway, leave out the serial-only settings."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("test, diff, write, clock, history, keys: JSON output; read "
                                                 "and live (without --csv) write JSON anyway."));
    const QCommandLineOption clearHistory(
        QStringLiteral("clear-history"),
        QStringLiteral("write: allow the retention item that clears the stored history."));
    parser.addOptions({serial, gateway, timeout, trace, output, dryRun, set, every, count, csv, from, yes,
                       all, retries, skipSerialOnly, json, clearHistory, restore, templateOnly});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do (see above)."));

    auto usage = [](const QString &message) { return ParsedCommandLine{std::nullopt, message, UsageError}; };
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, parser.helpText(), Done};
    if (parser.isSet(version))
        return {std::nullopt, QStringLiteral("tl380ctl %1").arg(QStringLiteral(TL380_VERSION)), Done};

    CtlOptions options;
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usage(QStringLiteral("no command given: try tl380ctl --help"));
    options.command = positional.takeFirst();
    QStringList commands;
    for (const CommandOptions &known : commandOptions)
        commands << QLatin1String(known.command);
    if (!commands.contains(options.command))
        return usage(QStringLiteral("%1: no such command; did you mean \"%2\"? try tl380ctl --help")
                         .arg(shortHead(options.command), nearestName(options.command, commands)));
    options.arguments = positional;
    if (const QString fault = argumentFault(options.command, positional); !fault.isEmpty())
        return usage(fault);
    if (const QString fault = optionFault(options.command, parser); !fault.isEmpty())
        return usage(fault);
    if (parser.isSet(json) && parser.isSet(csv))
        return usage(QStringLiteral("live: give --json or --csv, not both"));

    if (parser.isSet(serial) && parser.isSet(gateway))
        return usage(QStringLiteral("give --serial or --gateway, not both"));
    if (parser.isSet(serial)) {
        options.link.serialDevice = parser.value(serial);
        if (options.link.serialDevice.isEmpty())
            return usage(QStringLiteral("--serial: give the DEVICE, such as /dev/ttyUSB0 or COM3"));
        options.linkGiven = true;
    } else if (parser.isSet(gateway)) {
        if (const QString fault = gatewayFault(parser.value(gateway), options.link); !fault.isEmpty())
            return usage(fault);
        options.linkGiven = true;
    }
    bool ok = false;
    const double seconds = parser.value(timeout).toDouble(&ok);
    const double shortest = (options.linkGiven ? options.link.shortestQuietMs() : 200) / 1000.0;
    if (!ok || !std::isfinite(seconds) || seconds < shortest || seconds > 3600)
        return usage(QStringLiteral("--timeout %1: give seconds from %2 to 3600: the silence after the last "
                                    "byte must outlast the link's own framing")
                         .arg(shortHead(parser.value(timeout)))
                         .arg(shortest));
    options.timeoutMs = int(std::lround(seconds * 1000));
    options.retries = parser.value(retries).toInt(&ok);
    if (!ok || options.retries < 0 || options.retries > 10)
        return usage(
            QStringLiteral("--retries %1: give a number from 0 to 10").arg(shortHead(parser.value(retries))));
    options.everySeconds = parser.value(every).toDouble(&ok);
    if (!ok || options.everySeconds < 0 || options.everySeconds > 86400)
        return usage(
            QStringLiteral("--every %1: give seconds from 0 to 86400").arg(shortHead(parser.value(every))));
    if (parser.isSet(count)) {
        options.count = parser.value(count).toInt(&ok);
        if (!ok || options.count < 1)
            return usage(
                QStringLiteral("--count %1: give a number from 1 up").arg(shortHead(parser.value(count))));
    }
    options.tracePath = parser.value(trace);
    options.outputPath = parser.value(output);
    options.dryRun = parser.isSet(dryRun);
    if (options.command == QLatin1String("clock")) {
        if (parser.values(set).size() > 1)
            return usage(QStringLiteral("clock: give --set once"));
        options.clockSet = parser.value(set);
    } else {
        for (const QString &given : parser.values(set)) {
            if (!given.contains(u'=') || !given.section(u'=', 0, 0).contains(u'.'))
                return usage(
                    QStringLiteral("--set %1: give page.key=VALUE, such as system.station_number=00042")
                        .arg(shortHead(given)));
            options.givenSettings << given;
        }
    }
    options.restore = parser.isSet(restore);
    options.templateOnly = parser.isSet(templateOnly);
    options.csv = parser.isSet(csv);
    options.from = parser.value(from);
    options.yes = parser.isSet(yes);
    options.all = parser.isSet(all);
    options.skipSerialOnly = parser.isSet(skipSerialOnly);
    options.json = parser.isSet(json);
    options.clearHistory = parser.isSet(clearHistory);
    return {options, {}, Done};
}
