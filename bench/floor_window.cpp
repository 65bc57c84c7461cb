// The floor of start-up and memory: one empty window of the tool's size, nothing else.

#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    reportMainEntered();
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(841, 624);
    FirstPaint probe;
    window.show();
    return application.exec();
}
