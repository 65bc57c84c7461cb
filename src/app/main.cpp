#include "app/ErrorBox.h"
#include "app/Tmainform1.h"
#include "commands/ExchangeState.h"
#include "commands/Gbk.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // --help and --version answer on the terminal before any window or display is asked for.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Configures TL380 collectors over a serial port or a gateway.\n"
                       "Exit status: 0 closed normally; 1 no GBK codec; 2 usage error."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption trace(
        QStringLiteral("trace"), QStringLiteral("Write every command sent and every piece received to FILE."),
        QStringLiteral("FILE"));
    parser.addOption(trace);
    parser.addPositionalArgument(QStringLiteral("profile.json"),
                                 QStringLiteral("A profile to open, as with \"Open Profile…\"."),
                                 QStringLiteral("[profile.json]"));
    // The toolkit's own options (-platform, -style, ...) are not known here: the words are parsed
    // again below, once the application has taken those away.
    parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::printf(
            "%s", qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), u"tl380cfg"_s)));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("tl380cfg %s\n", TL380_VERSION);
        return 0;
    }

    QApplication application(argc, argv);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "tl380cfg: %s Try tl380cfg --help\n", qPrintable(parser.errorText()));
        return 2;
    }
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
    // A word naming a .json file is a profile to open.
    for (const QString &word : parser.positionalArguments())
        if (word.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
            mainform1.openProfileWhenWhole(word);
            break;
        }
    mainform1.show();
    return application.exec();
}
