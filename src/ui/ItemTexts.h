#pragma once

#include <QString>

// The drop-down items that are words for people (link modes, channel functions, parities, ...)
// are shown in the user's language; every other item (numbers, times, addresses, protocol and
// model names) is shown as it is. The item behind a shown text stays the English one.
QString shownItem(const QString &item);

// Whether the item is one of the words shown translated.
bool isTranslatedItem(const QString &item);
