#pragma once

#include "link/ExchangeSession.h"

#include <QString>
#include <QStringList>

// The command line of tl380ctl, checked.
struct CtlOptions
{
    QString command;
    QStringList arguments;
    LinkTarget link;
    bool linkGiven = false;
    int timeoutMs = 3000;
    QString tracePath;
    QString outputPath;
    bool dryRun = false;
    QString clockSet;
    double everySeconds = 1.0;
    int count = -1;
    bool csv = false;
    QString from;
    bool yes = false;
    bool all = false;
    int retries = 0;
    bool skipSerialOnly = false;
    bool json = false;
    bool clearHistory = false;
    // write, diff: "page.key=VALUE", this collector's own values over the profile's.
    QStringList givenSettings;
    bool restore = false;
    // read: without the settings that identify the collector.
    bool templateOnly = false;
};

// What parsing the command line came to: options to run, or text to print and an exit status.
struct ParsedCommandLine
{
    std::optional<CtlOptions> options;
    QString text;
    int status = 0;
};

ParsedCommandLine parseCommandLine(const QStringList &arguments);
