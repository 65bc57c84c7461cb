#include "link/SerialDevice.h"

#include <windows.h>

QString serialLinePath(const QString &name)
{
    // "COM5" becomes "\\.\COM5", the only spelling that reaches COM10 and above; a path is left as typed.
    const bool plainName = !name.contains(u'\\') && !name.contains(u'/') && !name.contains(u':');
    return plainName ? QStringLiteral("\\\\.\\") + name : name;
}

// Windows gives every user the ports: a port that exists but will not open is held by another program.
QString serialOpenCause(const QString &device)
{
    const std::wstring path = serialLinePath(device).toStdWString();
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
