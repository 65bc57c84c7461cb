#pragma once

// A clock every bench program and the table script share (CLOCK_MONOTONIC, as Python's
// time.monotonic_ns()), and the peak resident memory of this process.

#include <QtGlobal>

#include <fstream>
#include <string>

#include <time.h>

inline qint64 monotonicNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// VmHWM of /proc/self/status, in kB; -1 where there is none.
inline qint64 peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            qint64 kb = -1;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}
