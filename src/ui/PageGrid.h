#pragma once

#include <QString>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The controls of a group box sit in a grid; each control is as wide as its
// texts need in the window's font, so nothing is cut off at any scale.
QGridLayout *gridOf(QWidget *box);

// A field or drop-down wide enough for that many characters.
QLineEdit *fitChars(QLineEdit *edit, int chars);
QComboBox *fitChars(QComboBox *box, int chars);
// A button just as wide as its caption.
QPushButton *snug(QPushButton *button);

// A label that only names its neighbour; its objectName is the neighbour's
// name with a suffix ("Edit7Caption", "ComboBox3Unit").
QLabel *caption(QWidget *parent, const QString &forControl, const QString &text);
QLabel *unit(QWidget *parent, const QString &forControl, const QString &text);
