#include "app/ErrorBox.h"
#include "app/Tmainform1.h"
#include "commands/ExchangeState.h"
#include "commands/Gbk.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (!gbkAvailable()) {
        const QString message = QStringLiteral("This Qt has no GBK (code page 936) text codec, so the "
                                               "collector's text cannot be read or written. Install a Qt "
                                               "built with ICU");
        qCritical("%s.", qPrintable(message));
        QMessageBox box(QMessageBox::Critical, applicationTitle(QCoreApplication::applicationFilePath()),
                        errorBoxText(message), QMessageBox::Ok);
        box.exec();
        return 1;
    }
    ExchangeState exchange;
    Tmainform1 mainform1(exchange, Tmainform1::StartUp::FirstFrameFirst);
    mainform1.show();
    return application.exec();
}
