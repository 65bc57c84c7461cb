#pragma once

#include <QString>

// How tl380ctl ends.
enum ExitStatus {
    Done = 0,
    CollectorDiffers = 1, // the collector differs from the profile or answered wrongly
    UsageError = 2,       // the command line or the profile is wrong; nothing was sent
    LinkError = 3,        // the link cannot be opened, refuses, or no answer came in time
};

// A run ends early with one line for standard error and its exit status.
class CtlFailure
{
public:
    CtlFailure(ExitStatus status, QString message) : status(status), message(std::move(message)) {}
    ExitStatus status;
    QString message;
};
