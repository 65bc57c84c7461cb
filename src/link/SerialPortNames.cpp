#include "link/SerialPortNames.h"

#include <QSerialPortInfo>

QStringList serialPortChoices()
{
    QStringList names;
    for (int n = 1; n <= 19; ++n)
        names << QStringLiteral("COM%1").arg(n);
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts()) {
        const QString name = port.portName().startsWith(QLatin1String("COM")) ? port.portName()
                                                                              : port.systemLocation();
        if (!names.contains(name))
            names << name;
    }
    return names;
}
