#pragma once

#include <QString>
#include <QStringList>

// The items of each drop-down the commands and replies name, by control name, as
// the window builds them; empty for a control that is no drop-down. A form without
// widgets shows a selection by these texts, exactly as the window would.
QStringList dropDownItems(const QString &control);
