#pragma once

#include <QList>
#include <QString>

class QDialog;
class QWidget;

// One setting as the collector holds it and as the profile gives it.
struct CompareRow
{
    QString setting;
    QString collector;
    QString profile;
    bool differs;
};

// The comparison as a table (`CompareTable`): setting, collector's value, profile's
// value; a differing row is marked in the first column ("≠") and shaded. The note
// goes above the table. Shown modal, deleted when closed.
QDialog *showCompareDialog(QWidget *parent, const QList<CompareRow> &rows, const QString &note);
