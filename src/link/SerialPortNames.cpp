#include "link/SerialPortNames.h"

namespace {

QStringList systemPortsBeyond(const QStringList &fixed)
{
    QStringList names;
    for (const QString &name : systemSerialPorts())
        if (!fixed.contains(name) && !names.contains(name))
            names << name;
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
