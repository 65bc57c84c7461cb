#include "link/SerialDevice.h"

#include <windows.h>

// Windows gives every user the ports: a port that exists but will not open is held by another program.
QString serialOpenCause(const QString &device)
{
    const bool plainName = !device.contains(u'\\') && !device.contains(u'/') && !device.contains(u':');
    const std::wstring path = (plainName ? QStringLiteral("\\\\.\\") + device : device).toStdWString();
    HANDLE probe = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_FLAG_OVERLAPPED, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        const DWORD why = GetLastError();
        if (why == ERROR_ACCESS_DENIED || why == ERROR_SHARING_VIOLATION)
            return QStringLiteral("busy: another program holds it");
        return QStringLiteral("no such device: is the cable plugged in?");
    }
    CloseHandle(probe);
    return QStringLiteral("it is no serial port");
}
