#include "commands/DropDownItems.h"

#include "commands/ItemLists.h"

#include <QHash>

namespace {

using Lister = QStringList (*)();

QHash<QString, Lister> listers()
{
    // clang-format off
    const std::pair<const char *, Lister> rows[] = {
        {"ComboBox2",  linkModes},
        {"MKXINGHAO",  modelNumbers},
        {"ComboBox3",  [] { return twoDigitRange(12, 50); }},
        {"ComboBox4",  [] { return twoDigitRange(1, 12); }},
        {"ComboBox5",  [] { return twoDigitRange(1, 31); }},
        {"ComboBox6",  [] { return twoDigitRange(0, 23); }},
        {"ComboBox7",  [] { return twoDigitRange(0, 59); }},
        {"ComboBox8",  transmissionCycles},
        {"ComboBox9",  retentionPeriods},
        {"NETCS",      networkTypes},
        {"ComboBox11", transportProtocols},
        {"ComboBox14", gprsEnables},
        {"ComboBox22", gatewayAccessMethods},
        {"DNSIP",      connectionMethods},
        {"AD01TNG",    channelSources},
        {"AD02TNG",    channelSources},
        {"AD03TNG",    channelSources},
        {"AD04TNG",    channelSources},
        {"AD05TNG",    channelSources},
        {"AD06TNG",    channelSources},
        {"INP1",       pulseSources},
        {"INP2",       pulseSources},
        {"INP3",       pulseSources},
        {"DIN1",       digitalInputModes},
        {"DIN2",       digitalInputModes},
        {"MR485BT",    baudRates},
        {"MR485JN",    parities},
        {"RS485STOP",  stopBits},
        {"RS485AXIEY", meterTypes},
        {"COMAD1",     commandEnables},
        {"COMAD2",     commandEnables},
        {"COMAD3",     commandEnables},
        {"COMAD4",     commandEnables},
        {"NameSave",   historyRetentionPeriods},
        {"Hyear",      historyYears},
        {"Hmonth",     [] { return twoDigitRange(1, 12); }},
        {"Hday",       [] { return twoDigitRange(1, 31); }},
        {"Hhour",      [] { return twoDigitRange(0, 23); }},
        {"Hmin",       [] { return twoDigitRange(0, 59); }},
        {"Hcont",      recordCounts},
    };
    // clang-format on
    QHash<QString, Lister> byName;
    for (const auto &[name, lister] : rows)
        byName.insert(QLatin1String(name), lister);
    return byName;
}

// The direct-read rows: a use drop-down of command codes and a data format drop-down each.
const char *const DirectReadRows[] = {"MAD1", "MAD2", "MAD3", "MAD4", "MPD1", "MPD2", "MPD3"};

} // namespace

QStringList dropDownItems(const QString &control)
{
    static const QHash<QString, Lister> byName = listers();
    if (const Lister lister = byName.value(control))
        return lister();
    for (const char *row : DirectReadRows) {
        const QString prefix = QLatin1String(row);
        if (control == prefix + QStringLiteral("XIN"))
            return dataFormatsOf(control);
        if (control == prefix + QStringLiteral("USE"))
            return responseSources();
    }
    return {};
}
