#include "app/ExchangeState.h"
#include "app/Tmainform1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ExchangeState exchange;
    Tmainform1 mainform1(exchange);
    mainform1.show();
    return application.exec();
}
