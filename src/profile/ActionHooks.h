#pragma once

#include <QString>

#include <functional>

// What a front end lends a whole-collector step: where it shows how far the step
// has come, and whether the user has asked it to stop. Both may be empty.
struct ActionHooks
{
    std::function<void(int done, int count, const QString &what)> progress;
    std::function<bool()> stopRequested;

    void show(int done, int count, const QString &what) const
    {
        if (progress)
            progress(done, count, what);
    }
    bool stopping() const { return stopRequested && stopRequested(); }
};

// A step ended at the user's request, between two exchanges.
struct ActionStopped
{
};
