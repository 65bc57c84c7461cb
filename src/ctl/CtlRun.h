#pragma once

#include "commands/ExchangeState.h"
#include "ctl/CtlOptions.h"
#include "link/ExchangeSession.h"
#include "link/Trace.h"
#include "profile/HeadlessForm.h"

#include <memory>

class QFileDevice;
struct CommandRow;

// A field an answer must fill: the control and the name it is reported under.
struct AnswerField
{
    QString control;
    QString name;
};

// One run of tl380ctl: its options, the form and exchange state the protocol
// works on, the trace, the output and, once a command needs it, the open link.
class CtlRun
{
public:
    explicit CtlRun(const CtlOptions &options);
    ~CtlRun();

    const CtlOptions &options;
    HeadlessForm form;
    ExchangeState exchange;
    Trace trace;

    // The link, opened on first use; CtlFailure when none was given, SessionError when it cannot open.
    ExchangeSession &link();
    bool isGateway() const { return options.linkGiven && options.link.isGateway(); }
    // The form as before any answer, the link mode kept.
    void clearForm();
    // The command of the row, built from the form.
    Command command(const char *button) const;
    // Sends the command and returns its whole answer; on --dry-run prints the bytes
    // instead, sends nothing and returns nothing. After SIGINT or SIGTERM nothing more
    // is sent: CtlFailure (Interrupted).
    QByteArray exchangeCommand(const Command &command, const WholeAnswer &whole);
    // The link for the whole-collector steps, with the same rule for sending again.
    CollectorLink &profileLink() { return m_profileLink; }
    // Runs the query row; complete once every field is filled. CtlFailure
    // (CollectorDiffers) naming the fields the answer left without a value.
    QByteArray query(const char *button, const QList<AnswerField> &fields);

    // Opens (creates) the -o file, before anything is sent.
    void openOutput();
    // To the -o file when one was given, else to standard output; CtlFailure (OutputError) when it fails.
    void output(const QByteArray &bytes);
    // The -o file whole, under its name; CtlFailure (OutputError) when it cannot be.
    void commitOutput();
    // One line to standard error.
    static void note(const QString &line);
    // Waits `ms`; SIGINT or SIGTERM ends the pause at once.
    void pause(int ms);
    // From now on the first stop signal ends the wait in progress, not only a second one:
    // for a stream of records, where nothing in flight needs finishing.
    void endWaitAtFirstSignal() { m_signalsEndingWait = 1; }
    // Whether SIGINT or SIGTERM came; the exchange in flight finishes first, unless a
    // second signal comes during its wait.
    static bool stopRequested();
    static void catchStopSignals();

private:
    class RetryingLink : public CollectorLink
    {
    public:
        explicit RetryingLink(CtlRun &run) : m_run(run) {}
        bool viaGateway() const override;
        QByteArray exchange(const Command &command, const WholeAnswer &whole) override;

    private:
        CtlRun &m_run;
    };

    // The session, its retries set for the command: only what only asks is sent again.
    ExchangeSession &linkFor(const Command &command);

    int m_signalsEndingWait = 2;
    std::unique_ptr<ExchangeSession> m_link;
    RetryingLink m_profileLink{*this};
    std::unique_ptr<QFileDevice> m_output;
};

int runProfileCommand(CtlRun &run);
int runDeviceCommand(CtlRun &run);
int runRecordCommand(CtlRun &run);
