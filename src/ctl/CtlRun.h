#pragma once

#include "commands/ExchangeState.h"
#include "ctl/CtlOptions.h"
#include "link/Trace.h"
#include "profile/HeadlessForm.h"

#include <memory>

struct CommandRow;

// One run of tl380ctl: its options, the form and exchange state the protocol
// works on, the trace and, once a command needs it, the open link.
class CtlRun
{
public:
    explicit CtlRun(const CtlOptions &options);
    ~CtlRun();

    const CtlOptions &options;
    HeadlessForm form;
    ExchangeState exchange;
    Trace trace;

    // The link, opened on first use; CtlFailure when none was given or it cannot open.
    ExchangeSession &link();
    bool isGateway() const { return options.linkGiven && options.link.isGateway(); }
    // Builds the row's command from the form and runs the exchange; the answer's first piece.
    QByteArray run(const char *button);
    // To the -o file when one was given, else to standard output.
    void output(const QByteArray &bytes);
    // One line to standard error.
    static void note(const QString &line);

private:
    std::unique_ptr<ExchangeSession> m_link;
    std::unique_ptr<class QFile> m_output;
};

int runProfileCommand(CtlRun &run);
int runDeviceCommand(CtlRun &run);
int runRecordCommand(CtlRun &run);
