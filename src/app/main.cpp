#include "app/ErrorBox.h"
#include "app/Tmainform1.h"
#include "commands/ExchangeState.h"
#include "commands/Gbk.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int usageError(const QString &fault)
{
    std::fprintf(stderr, "tl380cfg: %s Try tl380cfg --help\n", qPrintable(fault));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Configures TL380 collectors over a serial port or a gateway.\n"
                       "Exit status: 0 closed normally; 1 no GBK codec; 2 usage error."));
    // Words with one dash are whole names, as the toolkit's own options (-reverse, -stylesheet X) are.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption trace(
        QStringLiteral("trace"), QStringLiteral("Write every command sent and every piece received to FILE."),
        QStringLiteral("FILE"));
    parser.addOption(trace);
    parser.addPositionalArgument(QStringLiteral("profile.json"),
                                 QStringLiteral("A profile to open, as with \"Open Profile…\"."),
                                 QStringLiteral("[profile.json]"));
    // --help and --version answer on the terminal before any window or display is asked for. The
    // toolkit's options are unknown here and pass; the words are read again once it has taken them.
    parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help-all"))) {
        // The toolkit names its options only once it exists; the offscreen platform needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication application(argc, argv);
        if (!parser.parse(QCoreApplication::arguments()))
            return usageError(parser.errorText());
        parser.process(application);
    }
    if (parser.isSet(help)) {
        std::printf(
            "%s", qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), u"tl380cfg"_s)));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("tl380cfg %s\n", TL380_VERSION);
        return 0;
    }

    QApplication application(argc, argv);
    const QStringList words = QCoreApplication::arguments();
    if (!parser.parse(words))
        return usageError(parser.errorText());
    // One word naming a .json file is a profile to open; no other word has a meaning here, "-" and
    // "--" included.
    QStringList stray = parser.positionalArguments();
    QString profile;
    if (!stray.isEmpty() && stray.first().endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        profile = stray.takeFirst();
    if (words.mid(1).contains(u"--"_s))
        stray.prepend(u"--"_s);
    if (!stray.isEmpty())
        return usageError(QStringLiteral("Unexpected argument '%1'.").arg(stray.first()));
    if (!gbkAvailable()) {
        const QString message = QStringLiteral("This Qt has no GBK (code page 936) text codec, so the "
                                               "collector's text cannot be read or written. Install a Qt "
                                               "built with ICU");
        qCritical("%s.", qPrintable(message));
        QMessageBox box(QMessageBox::Critical, applicationTitle(QCoreApplication::applicationFilePath()),
                        errorBoxText(message), QMessageBox::Ok);
        box.exec();
        return 1;
    }
    ExchangeState exchange;
    Tmainform1 mainform1(exchange, Tmainform1::StartUp::FirstFrameFirst);
    if (parser.isSet(trace) && !mainform1.openTrace(parser.value(trace))) {
        std::fprintf(stderr, "tl380cfg: --trace %s: %s\n", qPrintable(parser.value(trace)),
                     qPrintable(mainform1.traceError()));
        return 2;
    }
    if (!profile.isEmpty())
        mainform1.openProfileWhenWhole(profile);
    mainform1.show();
    return application.exec();
}
