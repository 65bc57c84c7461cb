#pragma once

#include <QString>
#include <QStringList>

// The known name fewest single-character edits away from `name` (the first of equals).
QString nearestName(const QString &name, const QStringList &known);
