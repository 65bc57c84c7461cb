#include "link/SerialPortNames.h"

#include <QSerialPortInfo>

// A port the system names "COMn" keeps that name; any other goes by its device path.
QStringList systemSerialPorts()
{
    QStringList names;
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        names << (port.portName().startsWith(QLatin1String("COM")) ? port.portName() : port.systemLocation());
    return names;
}
