// The tool's window made as main.cpp makes it, timed to its first paint. With --history it then
// takes 10,000 history pieces on the "Data Query" page and reports the peak memory after them.

#include "FirstPaint.h"

#include "app/Tmainform1.h"
#include "app/WidgetForm.h"
#include "commands/ExchangeState.h"
#include "replies/ReplyDispatch.h"

#include <QApplication>
#include <QTabWidget>

namespace {

constexpr int Pieces = 10000;

void takeHistory(Tmainform1 &window, ExchangeState &exchange)
{
    window.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(5);
    QCoreApplication::processEvents();
    WidgetForm form(&window);
    const QByteArray piece = "R0001;11-01-01 00:00;A01:04000;A02:04000;P01:000001234;K01:113;";
    for (int i = 0; i < Pieces; ++i) {
        exchange.ExpectedReplyCode = 5000;
        exchange.ReplyText = piece;
        parseReply(form, exchange);
        QCoreApplication::processEvents();
    }
    std::printf("history_hwm_kb %lld\n", static_cast<long long>(peakResidentKb()));
}

} // namespace

int main(int argc, char *argv[])
{
    reportMainEntered();
    QApplication application(argc, argv);
    const bool history = application.arguments().contains(QStringLiteral("--history"));
    ExchangeState exchange;
    Tmainform1 mainform1(exchange, Tmainform1::StartUp::FirstFrameFirst);
    // Watching from here on: nothing is painted before show().
    FirstPaint probe([&] {
        if (history)
            takeHistory(mainform1, exchange);
    });
    mainform1.show();
    return application.exec();
}
