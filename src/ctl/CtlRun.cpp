#include "ctl/CtlRun.h"

#include "commands/CommandTable.h"
#include "ctl/ExitStatus.h"
#include "link/ExchangeSession.h"

#include <QFile>

#include <cstdio>

CtlRun::CtlRun(const CtlOptions &options) : options(options)
{
    // The link mode decides the prefix even when nothing is sent (--dry-run).
    form.setIndex(QStringLiteral("ComboBox2"), isGateway() ? 1 : 0);
    if (!options.tracePath.isEmpty() && !trace.open(options.tracePath))
        throw CtlFailure(UsageError,
                         QStringLiteral("--trace %1: %2").arg(options.tracePath, trace.errorString()));
}

CtlRun::~CtlRun() = default;

ExchangeSession &CtlRun::link()
{
    if (!m_link) {
        if (!options.linkGiven)
            throw CtlFailure(UsageError,
                             QStringLiteral("%1: give the link: --serial DEVICE or --gateway A.B.C.D[:PORT]")
                                 .arg(options.command));
        m_link = std::make_unique<ExchangeSession>(options.link, form, exchange, options.timeoutMs, trace);
        m_link->open();
    }
    return *m_link;
}

QByteArray CtlRun::run(const char *button)
{
    return link().exchange(buildCommand(*findCommand(QLatin1String(button)), form));
}

void CtlRun::output(const QByteArray &bytes)
{
    if (options.outputPath.isEmpty()) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
        return;
    }
    if (!m_output) {
        m_output = std::make_unique<QFile>(options.outputPath);
        if (!m_output->open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw CtlFailure(UsageError,
                             QStringLiteral("-o %1: %2").arg(options.outputPath, m_output->errorString()));
    }
    m_output->write(bytes);
    m_output->flush();
}

void CtlRun::note(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
}
