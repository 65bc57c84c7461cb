#pragma once

#include <QString>

// How tl380ctl ends.
enum ExitStatus {
    Done = 0,
    CollectorDiffers = 1, // the collector differs from the profile, refused, or answered without a field
    UsageError = 2,       // the command line or the profile is wrong; nothing was sent
    LinkError = 3,        // the link cannot be opened, refuses, was lost, or no answer came in time
    OutputError = 4,      // the output could not be written
    Interrupted = 5,      // stopped by SIGINT or SIGTERM after the exchange in flight
};

// A run ends early with one line for standard error and its exit status.
class CtlFailure
{
public:
    CtlFailure(ExitStatus status, QString message) : status(status), message(std::move(message)) {}
    ExitStatus status;
    QString message;
};
