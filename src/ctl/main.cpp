#include "commands/Gbk.h"
#include "ctl/CtlOptions.h"
#include "ctl/CtlRun.h"
#include "ctl/ExitStatus.h"
#include "link/ExchangeSession.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tl380ctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TL380_VERSION));
    const ParsedCommandLine parsed = parseCommandLine(QCoreApplication::arguments());
    if (!parsed.options) {
        if (parsed.status == Done)
            std::printf("%s\n", qPrintable(parsed.text.trimmed()));
        else
            std::fprintf(stderr, "tl380ctl: %s\n", qPrintable(parsed.text.trimmed()));
        return parsed.status;
    }
    if (!gbkAvailable()) {
        std::fprintf(stderr,
                     "tl380ctl: this Qt has no GBK (code page 936) text codec, so the collector's text "
                     "cannot be read or written: install a Qt built with ICU\n");
        return UsageError;
    }
    const QString &command = parsed.options->command;
    try {
        CtlRun run(*parsed.options);
        CtlRun::catchStopSignals();
        // The output exists before the first byte goes out.
        run.openOutput();
        int status = Done;
        if (command == QLatin1String("read") || command == QLatin1String("write") ||
            command == QLatin1String("diff") || command == QLatin1String("keys"))
            status = runProfileCommand(run);
        else if (command == QLatin1String("live") || command == QLatin1String("history"))
            status = runRecordCommand(run);
        else
            status = runDeviceCommand(run);
        run.commitOutput();
        return status;
    } catch (const CtlFailure &failure) {
        std::fprintf(stderr, "tl380ctl: %s\n", qPrintable(failure.message));
        return failure.status;
    } catch (const SessionError &error) {
        std::fprintf(stderr, "tl380ctl: %s\n", qPrintable(error.message));
        // A second signal ends the wait in progress as a link error would.
        if (CtlRun::stopRequested())
            return Interrupted;
        return error.kind == SessionError::Link ? LinkError : CollectorDiffers;
    }
}
