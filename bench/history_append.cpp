// Times the 1st and the 10,000th history piece appended to Memo7 through the
// parser, on the shown "Data Query" page, so that a cost growing with what the box already
// holds shows as a slower last append.

#include "app/WidgetForm.h"
#include "commands/ExchangeState.h"
#include "replies/ReplyDispatch.h"
#include "ui/DataQueryPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Pieces = 10000;
constexpr int Window = 100;

double medianMicroseconds(std::vector<qint64> nanoseconds)
{
    std::nth_element(nanoseconds.begin(), nanoseconds.begin() + nanoseconds.size() / 2, nanoseconds.end());
    return nanoseconds[nanoseconds.size() / 2] / 1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QWidget window;
    buildDataQueryPage(&window);
    window.resize(801, 393);
    window.show();
    QCoreApplication::processEvents();
    const auto *memo = window.findChild<QPlainTextEdit *>(QStringLiteral("Memo7"));
    if (!memo) {
        std::fprintf(stderr, "no Memo7 on the page\n");
        return 1;
    }

    WidgetForm form(&window);
    ExchangeState exchange;
    exchange.ExpectedReplyCode = 5000;
    const QByteArray piece = "R0001;11-01-01 00:00;A01:04000;A02:04000;P01:000001234;K01:113;";

    // Each append is timed with the event pass that follows it, where a deferred relayout would fall.
    std::vector<qint64> times;
    times.reserve(Pieces);
    QElapsedTimer timer;
    for (int i = 0; i < Pieces; ++i) {
        exchange.ReplyText = piece;
        timer.start();
        parseReply(form, exchange);
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed());
    }

    const std::vector<qint64> first(times.begin(), times.begin() + Window);
    const std::vector<qint64> last(times.end() - Window, times.end());
    std::printf("lines in Memo7:            %d\n", memo->blockCount() - 1);
    std::printf("1st append:                %10.1f us\n", times.front() / 1000.0);
    std::printf("10000th append:            %10.1f us\n", times.back() / 1000.0);
    std::printf("median of the first %d:   %10.1f us\n", Window, medianMicroseconds(first));
    std::printf("median of the last %d:    %10.1f us\n", Window, medianMicroseconds(last));

    // For comparison: the same piece added by setting the whole text anew.
    const QString memoName = QStringLiteral("Memo7");
    timer.start();
    form.setText(memoName, form.text(memoName) + piece + "\r\n");
    QCoreApplication::processEvents();
    std::printf("whole text set anew once:  %10.1f us\n", timer.nsecsElapsed() / 1000.0);
    return 0;
}
