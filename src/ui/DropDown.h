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

// Where a drop-down keeps the English item behind a translated one.
constexpr int ItemValueRole = Qt::UserRole + 1;

// A drop-down that starts showing a text with no item selected.
QComboBox *dropDownShowing(QWidget *parent, const QString &name, const QStringList &items,
                           const QString &startText, const QRect &place);

// Runs the handler when the user picks an item (also the one already selected)
// or edits the text; never when the program writes the text or the index.
void onUserChange(QComboBox *box, QObject *context, const std::function<void()> &handler);

// The text the drop-down stands for: the English item when it shows an item (also one typed in
// full), else the text as shown. What commands and profiles read.
QString dropDownValue(const QComboBox *box);

// Shows the text, an item shown in the user's language when the text is an English item; the
// selection stays as it is.
void showDropDownValue(QComboBox *box, const QString &value);
