#include "link/SerialPortNames.h"

#include <QSerialPortInfo>

namespace {

QStringList systemPortsBeyond(const QStringList &fixed)
{
    QStringList names;
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts()) {
        const QString name =
            port.portName().startsWith(QLatin1String("COM")) ? port.portName() : port.systemLocation();
        if (!fixed.contains(name) && !names.contains(name))
            names << name;
    }
    return names;
}

} // namespace

QStringList fixedPortChoices()
{
    QStringList names;
    for (int n = 1; n <= 19; ++n)
        names << QStringLiteral("COM%1").arg(n);
    return names;
}

std::future<QStringList> lookForSystemPorts()
{
    return std::async(std::launch::async, [] { return systemPortsBeyond(fixedPortChoices()); });
}
