#pragma once

#include <QRect>
#include <QStringList>
#include <functional>

class QComboBox;
class QObject;
class QWidget;

// An editable drop-down: the user picks an item or types any text. Typed or
// pasted text leaves no item selected (index -1) and keeps the text.
QComboBox *dropDown(QWidget *parent, const QString &name, const QStringList &items, int startIndex,
                    const QRect &place);

// A drop-down that starts showing a text with no item selected.
QComboBox *dropDownShowing(QWidget *parent, const QString &name, const QStringList &items,
                           const QString &startText, const QRect &place);

// Runs the handler when the user picks an item (also the one already selected)
// or edits the text; never when the program writes the text or the index.
void onUserChange(QComboBox *box, QObject *context, const std::function<void()> &handler);
