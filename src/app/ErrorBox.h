#pragma once

#include <QString>

class QWidget;

// The program's title: its file name without folder, cut before the first dot,
// every character after the first in lower case ("TL380CFG.EXE" gives "Tl380cfg").
QString applicationTitle(const QString &executablePath);

// The message as the box shows it: a full stop is added when the last character
// sorts after ".".
QString errorBoxText(const QString &message);

// The standard error box: error icon, OK button, the program's title.
void showErrorBox(QWidget *window, const QString &message);
