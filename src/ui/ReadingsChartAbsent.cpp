#include "ui/ReadingsChart.h"

#include <QCoreApplication>

ReadingsChart::ReadingsChart(const ReadingSeries &, QWidget *parent)
    : QLabel(
          QCoreApplication::translate(
              "ReadingsChart", "This build has no charts. Export CSV… saves the readings for a spreadsheet."),
          parent)
{
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
}
