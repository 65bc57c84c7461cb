#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Where to save a CSV file, asked with the save dialog; empty when the user cancels.
QString askCsvPath(QWidget *parent, const QString &title, const QString &suggestedName);

// Writes the CSV whole under a temporary name and renames it, or not at all: a failed
// write (a full disk, a folder without write access) is said in a box, naming the file
// and the cause, and gives false. The file begins with a UTF-8 byte order mark, by
// which spreadsheets read its non-ASCII texts as UTF-8.
bool saveCsv(QWidget *parent, const QString &path, const QByteArray &csv);
