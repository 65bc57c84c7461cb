// The window doing what "tl380ctl read" does: every page's "Read Parameters" and the slot queries, one
// after another, each clicked as soon as the one before it has been parsed into the window. Started
// against a running simulator (bench/ctl_read_timing.py starts it):
//   window_read_all --serial PATH | --gateway PORT
// Prints "window_ms <n>": the first click to the last parse. With --compare after the link, the window's
// "Compare…" instead, over its own link: "compare_ms <n>", the click to the table shown.

#include "app/ProfileActions.h"
#include "app/Tmainform1.h"
#include "commands/ExchangeState.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || waited.elapsed() > timeoutMs)
            loop.quit();
    });
    look.start(1);
    if (!done())
        loop.exec();
    return done();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 && !(arguments.size() == 4 && arguments[3] == QLatin1String("--compare")))
        return 2;
    const bool gateway = arguments[1] == QLatin1String("--gateway");
    ExchangeState exchange;
    Tmainform1 window(exchange);
    window.show();
    auto *mode = window.findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    mode->setCurrentIndex(gateway ? 1 : 0);
    emit mode->activated(mode->currentIndex());
    auto click = [&](const char *name) { window.findChild<QPushButton *>(QLatin1String(name))->click(); };
    if (gateway) {
        window.findChild<QLineEdit *>(QStringLiteral("Edit6"))->setText(QStringLiteral("127.0.0.1"));
        window.findChild<QLineEdit *>(QStringLiteral("Edit34"))->setText(arguments[2]);
        click("Button13");
        waitFor([] { return false; }, 300);
    } else {
        window.findChild<QComboBox *>(QStringLiteral("SPREALCOM"))->setEditText(arguments[2]);
        click("Button10");
    }
    if (arguments.size() == 4) {
        QElapsedTimer took;
        took.start();
        window.profiles().compare();
        if (window.profiles().comparison().isEmpty()) {
            std::fprintf(stderr, "compare: nothing read\n");
            return 1;
        }
        std::printf("compare_ms %lld\n", took.elapsed());
        return 0;
    }
    // The queries tl380ctl read sends on this link, in its order.
    QList<const char *> queries{"Button32", "Button128", "Button84", "Button76",
                                "Button74", "Button81",  "Button79"};
    if (!gateway)
        queries = {"Button32", "Button1",  "Button128", "Button84", "Button76", "Button74",
                   "Button81", "Button79", "Button44",  "Button41", "Button54", "Button49"};
    const QString receiveBuffer = QStringLiteral("Memo8");
    QElapsedTimer took;
    took.start();
    for (const char *query : queries) {
        click(query);
        // Parsed: an answer is shown and no piece waits for the parse any more.
        if (!waitFor(
                [&] {
                    return !window.form().text(receiveBuffer).isEmpty() &&
                           exchange.PiecesSinceParse.isEmpty();
                },
                5000)) {
            std::fprintf(stderr, "%s: no answer\n", query);
            return 1;
        }
    }
    std::printf("window_ms %lld\n", took.elapsed());
    return 0;
}
