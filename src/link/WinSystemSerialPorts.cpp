#include "link/SerialPortNames.h"

#include <windows.h>

// Every serial port the system has (USB adapters included) is a value under SERIALCOMM: its data is the
// port's name ("COM7").
QStringList systemSerialPorts()
{
    HKEY ports = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &ports) !=
        ERROR_SUCCESS)
        return {};
    QStringList names;
    for (DWORD index = 0;; ++index) {
        wchar_t value[256];
        wchar_t data[256];
        DWORD valueLength = DWORD(std::size(value));
        DWORD dataBytes = sizeof data;
        DWORD type = 0;
        const LSTATUS status = RegEnumValueW(ports, index, value, &valueLength, nullptr, &type,
                                             reinterpret_cast<BYTE *>(data), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        const QString name = QString::fromWCharArray(data, qsizetype(dataBytes / sizeof(wchar_t)));
        if (const QString trimmed = name.left(name.indexOf(QChar(0))); !trimmed.isEmpty())
            names << trimmed;
    }
    RegCloseKey(ports);
    return names;
}
