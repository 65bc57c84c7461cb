#include "app/ErrorBox.h"
#include "app/Language.h"
#include "app/Tmainform1.h"
#include "commands/ExchangeState.h"
#include "commands/Gbk.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

int usageError(const QString &fault)
{
    std::fprintf(stderr, "tl380cfg: %s Try tl380cfg --help\n", qPrintable(fault));
    return 2;
}

// The window's options, described in the language in use when they are made.
struct WindowOptions
{
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption trace;
    QCommandLineOption lang;
};

WindowOptions describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        CommandLine::tr("Configures TL380 collectors over a serial port or a gateway.\n"
                        "Exit status: 0 closed normally; 1 no GBK codec; 2 usage error."));
    // Words with one dash are whole names, as the toolkit's own options (-reverse, -stylesheet X) are.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        CommandLine::tr("Write every command sent and every piece received to FILE."),
        QStringLiteral("FILE"));
    parser.addOption(trace);
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        CommandLine::tr("Show the window in LANG, zh_CN or en, whatever the system's language."),
        QStringLiteral("LANG"));
    parser.addOption(lang);
    parser.addPositionalArgument(QStringLiteral("profile.json"),
                                 CommandLine::tr("A profile to open, as with \"Open Profile…\"."),
                                 QStringLiteral("[profile.json]"));
    return {help, version, trace, lang};
}

// The language asked for with --lang, else the system's; nothing for a language the window lacks.
std::optional<Language> chosenLanguage(const QCommandLineParser &parser, const QCommandLineOption &lang)
{
    if (parser.isSet(lang))
        return languageNamed(parser.value(lang));
    return languageFor(QLocale::system().uiLanguages());
}

int unknownLanguage(const QCommandLineParser &parser, const QCommandLineOption &lang)
{
    return usageError(QStringLiteral("Unknown language '%1': use zh_CN or en.").arg(parser.value(lang)));
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const WindowOptions options = describe(parser);
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
    // A language the window lacks is a usage error, told before any display is asked for.
    const std::optional<Language> language = chosenLanguage(parser, options.lang);
    if (!language)
        return unknownLanguage(parser, options.lang);
    if (parser.isSet(options.help)) {
        // The help in the window's language: the texts are made again once it is in use.
        QCoreApplication texts(argc, argv);
        useLanguage(*language);
        QCommandLineParser described;
        describe(described);
        std::printf("%s", qPrintable(described.helpText().replace(QStringLiteral("<executable_name>"),
                                                                  u"tl380cfg"_s)));
        return 0;
    }
    if (parser.isSet(options.version)) {
        std::printf("tl380cfg %s\n", TL380_VERSION);
        return 0;
    }

    // Under a Chinese locale fontconfig prefers Chinese faces for Latin text too: a window asked for in
    // English there gets the faces of an English system, as it looks everywhere else.
    if (*language == Language::English &&
        languageFor(QLocale::system().uiLanguages()) == Language::SimplifiedChinese &&
        !qEnvironmentVariableIsSet("FC_LANG"))
        qputenv("FC_LANG", "en");
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
    useLanguage(*language);
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
    if (parser.isSet(options.trace) && !mainform1.openTrace(parser.value(options.trace))) {
        std::fprintf(stderr, "tl380cfg: --trace %s: %s\n", qPrintable(parser.value(options.trace)),
                     qPrintable(mainform1.traceError()));
        return 2;
    }
    if (!profile.isEmpty())
        mainform1.openProfileWhenWhole(profile);
    mainform1.show();
    return application.exec();
}
