#pragma once

#include "CollectorSettings.h"

#include <QByteArray>

namespace sim {

// Applies "CFGSET#" + key + ":" + value + "#" to the settings. False, with the settings untouched,
// for an unknown key or a value the collector refuses.
bool applySetting(CollectorSettings &settings, const QByteArray &key, const QByteArray &value);

// Keys whose value is free text closed by "!" (the value ends in "!#", and may hold "#").
bool isTerminatedTextKey(const QByteArray &key);

} // namespace sim
