#include "ctl/CtlRun.h"

#include "commands/CommandTable.h"
#include "commands/LinkMode.h"
#include "commands/QueryCommands.h"
#include "ctl/ExitStatus.h"
#include "ctl/StopSignals.h"
#include "profile/AnswerCheck.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Whether the command only asks, so that sending it twice does no harm: the queries
// and the communication test. A setting, RESET and the clock act (the clock sent
// again would carry the first attempt's time); the history query starts a stream
// that a second copy would start again.
bool onlyAsks(const Command &command)
{
    const QByteArray body = command.text.startsWith("ZZZZ") ? command.text.mid(4) : command.text;
    if (body == findCommand(QStringLiteral("Button14"))->head)
        return true;
    for (const CommandRow &row : queryCommands())
        if (!row.value && body == row.head)
            return true;
    return false;
}

bool toStandardOutput(const CtlOptions &options)
{
    return options.outputPath.isEmpty() || options.outputPath == QLatin1String("-");
}

} // namespace

CtlRun::CtlRun(const CtlOptions &options) : options(options)
{
    clearForm();
    if (!options.tracePath.isEmpty() && !trace.open(options.tracePath))
        throw CtlFailure(UsageError,
                         QStringLiteral("--trace %1: %2").arg(options.tracePath, trace.errorString()));
}

CtlRun::~CtlRun() = default;

void CtlRun::clearForm()
{
    form.clear();
    // The link mode decides the prefix even when nothing is sent (--dry-run).
    setLinkMode(form, isGateway());
}

ExchangeSession &CtlRun::link()
{
    if (!m_link) {
        if (!options.linkGiven)
            throw CtlFailure(UsageError,
                             QStringLiteral("%1: give the link: --serial DEVICE or --gateway A.B.C.D[:PORT]")
                                 .arg(options.command));
        m_link = std::make_unique<ExchangeSession>(options.link, form, exchange, options.timeoutMs, trace);
        // The exchange in flight finishes after the first signal; the next one ends its wait.
        QObject::connect(&StopSignals::instance(), &StopSignals::arrived, m_link.get(), [this](int count) {
            if (count >= m_signalsEndingWait)
                m_link->abort(QStringLiteral("%1: stopped by %2 during the wait")
                                  .arg(options.link.name(), count > 1 ? QStringLiteral("a second signal")
                                                                      : QStringLiteral("a signal")));
        });
        m_link->open();
    }
    return *m_link;
}

Command CtlRun::command(const char *button) const
{
    return buildCommand(*findCommand(QLatin1String(button)), form);
}

QByteArray CtlRun::exchangeCommand(const Command &command, const WholeAnswer &whole)
{
    if (options.dryRun) {
        output(command.text + '\n');
        return {};
    }
    if (stopRequested())
        throw CtlFailure(Interrupted, QStringLiteral("%1: stopped by a signal").arg(options.command));
    return linkFor(command).exchange(command, whole);
}

ExchangeSession &CtlRun::linkFor(const Command &command)
{
    ExchangeSession &session = link();
    // Only what is safe to send twice is sent again; the text of send is the user's own.
    const bool repeatable = onlyAsks(command) && options.command != QLatin1String("send");
    session.setRetries(repeatable ? options.retries : 0);
    return session;
}

bool CtlRun::RetryingLink::viaGateway() const
{
    return m_run.isGateway();
}

QByteArray CtlRun::RetryingLink::exchange(const Command &command, const WholeAnswer &whole)
{
    return m_run.linkFor(command).exchange(command, whole);
}

QByteArray CtlRun::query(const char *button, const QList<AnswerField> &fields)
{
    const Command sent = command(button);
    QStringList controls;
    for (const AnswerField &field : fields)
        controls << field.control;
    const qint32 code = sent.replyCode.value_or(0);
    const QByteArray answer = exchangeCommand(
        sent, [code, controls](const QByteArray &bytes) { return answerComplete(bytes, code, controls); });
    if (options.dryRun)
        return answer;
    QStringList missing;
    for (const AnswerField &field : fields)
        if (!form.holds(field.control))
            missing << field.name;
    if (!missing.isEmpty())
        throw CtlFailure(
            CollectorDiffers,
            QStringLiteral("%1: the answer to %2 gives no value for %3: is it a TL380 collector?")
                .arg(options.link.name(), QString::fromLatin1(sent.text), missing.join(u", ")));
    return answer;
}

void CtlRun::openOutput()
{
    if (toStandardOutput(options) || m_output)
        return;
    // A file is written whole under a temporary name, then renamed; a device or pipe
    // is written in place.
    const QFileInfo target(options.outputPath);
    if (target.exists() && !target.isFile() && !target.isDir())
        m_output = std::make_unique<QFile>(options.outputPath);
    else
        m_output = std::make_unique<QSaveFile>(options.outputPath);
    if (!m_output->open(QIODevice::WriteOnly))
        throw CtlFailure(
            UsageError,
            QStringLiteral("-o %1: %2; nothing was sent").arg(options.outputPath, m_output->errorString()));
}

void CtlRun::output(const QByteArray &bytes)
{
    if (toStandardOutput(options)) {
        const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        if (written != size_t(bytes.size()) || std::fflush(stdout) != 0)
            throw CtlFailure(OutputError, QStringLiteral("standard output: cannot write: %1")
                                              .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    openOutput();
    if (m_output->write(bytes) != bytes.size() || !m_output->flush())
        throw CtlFailure(
            OutputError,
            QStringLiteral("-o %1: cannot write: %2").arg(options.outputPath, m_output->errorString()));
}

void CtlRun::commitOutput()
{
    if (!m_output)
        return;
    auto *file = qobject_cast<QSaveFile *>(m_output.get());
    const bool committed =
        file ? file->commit() : m_output->flush() && m_output->error() == QFileDevice::NoError;
    const QString error = m_output->errorString();
    m_output.reset();
    if (!committed)
        throw CtlFailure(OutputError,
                         QStringLiteral("-o %1: cannot write: %2").arg(options.outputPath, error));
}

void CtlRun::note(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

void CtlRun::pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QObject::connect(&StopSignals::instance(), &StopSignals::arrived, &loop, &QEventLoop::quit);
    if (!stopRequested())
        loop.exec();
}

bool CtlRun::stopRequested()
{
    return StopSignals::received() > 0;
}

void CtlRun::catchStopSignals()
{
    StopSignals::install();
}
