#pragma once

#include <QRect>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The window's controls sit at fixed places, as designed; each carries its name.
QLabel *label(QWidget *parent, const QString &name, const QString &caption, const QRect &place);
QLineEdit *field(QWidget *parent, const QString &name, const QString &text, const QRect &place);
QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QRect &place);
QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, const QRect &place);
QGroupBox *groupBox(QWidget *parent, const QString &name, const QString &title, const QRect &place);
QPlainTextEdit *memo(QWidget *parent, const QString &name, const QRect &place);
