#pragma once

#include <QObject>

// SIGINT and SIGTERM as events of the run's event loop. The handler only notes the
// signal; the event loop learns of it at once (on Windows within a tenth of a second),
// so a pause or a wait in progress can end.
class StopSignals : public QObject
{
    Q_OBJECT
public:
    // The one watcher, living as long as the program.
    static StopSignals &instance();
    // Catches both signals from now on.
    static void install();
    // How many came so far.
    static int received();

signals:
    // Each signal that came, with how many came so far.
    void arrived(int count);

private:
    StopSignals();
    void drain();
    int m_told = 0;
};
