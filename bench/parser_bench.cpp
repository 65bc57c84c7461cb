// The reply parser on a 2048-byte reply under each code it knows: into a form that keeps
// nothing (the parse alone) and into the tool's window (the parse and the widgets it fills).
// The floor: one pass over the same 2048 bytes (memchr for a byte that is not there). The worst
// case: a reply holding none of the tags, where every row's search runs to the end.

#include "app/Tmainform1.h"
#include "app/WidgetForm.h"
#include "commands/ExchangeState.h"
#include "commands/Form.h"
#include "replies/ReplyDispatch.h"

#include <QApplication>
#include <QByteArrayView>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr qsizetype ReplySize = 2048;

struct Sample
{
    qint32 code;
    const char *text;
};

// clang-format off
const Sample samples[] = {
    {101,  "TQ1:00012;TM:2506151230;SA:3;SD:01;DY:05;ER:010;"},
    {102,  "IA:1;NEX:4;APN:net1;IUR:user1;IWD:;IA1:1;IP1:010.001.002.003;IY1:center;IH1:05001;IT1:0060;IR1:0030;IU1:0;IC1:1;XH:25;ER:00100;OIP:010.000.000.005;"},
    {103,  "AD1:01;AD2:02;AD3:07;AD4:08;AD5:00;AD6:00;AIN1:20000,04000,00000;AIN2:20000,04000,00000;AIN3:10000,00000,00000;AIN4:10000,00000,00000;DI1:0;DI2:1;PDL01:00010;PDL02:00100;INP1:01;INP2:02;INP3:00;"},
    {106,  "MR485A:3,0,0;RSTATM:010;READAX:02;ZDAD01:1,003,0,00,00001;ZDAD02:0,007,0,00,00001;ZDAD03:0,011,0,00,00001;ZDAD04:0,015,0,00,00001;ZDPD01:0,003,0,00,00001;ZDPD02:0,007,0,00,00001;ZDPD03:0,011,0,00,00001;"},
    {1501, "COMR1:1,08,0103000000044409;COMR2:1,08,0103000000044409;COMR3:0,04,01030000;COMR4:1,02,0A0B;"},
    {1502, "COMP01:0A0B0C;COMP02:111213;COMP03:212223;COMP04:313233;"},
    {999,  "ST0:00012;TM:25-06-15 12:30;V:12.6;A01:04000;A02:04000;A03:00000;A04:00000;A05:00000;A06:00000;P01:000001234;P02:000000000;P03:000000000;K01:113;"},
    {5000, "R0001;11-01-01 00:00;A01:04000;A02:04000;P01:000001234;K01:113;"},
};
// clang-format on

// The sample said again and again, cut at 2048 bytes: the most one piece holds.
QByteArray fullReply(const char *text)
{
    QByteArray reply;
    while (reply.size() < ReplySize)
        reply += text;
    reply.truncate(ReplySize);
    return reply;
}

class NullForm : public Form
{
public:
    QByteArray text(const QString &) const override { return {}; }
    int index(const QString &) const override { return -1; }
    void setText(const QString &, const QByteArray &text) override { benchmark::DoNotOptimize(text); }
    void appendText(const QString &, const QByteArray &text) override { benchmark::DoNotOptimize(text); }
    void setIndex(const QString &, int) override {}
    void setChecked(const QString &, bool) override {}
    void setEnabled(const QString &, bool) override {}
    void setShown(const QString &, bool) override {}
};

void parseOnce(benchmark::State &state, Form &form, qint32 code, const QByteArray &reply)
{
    ExchangeState exchange;
    for (auto _ : state) {
        exchange.ExpectedReplyCode = code;
        exchange.ReplyText = reply;
        parseReply(form, exchange);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * reply.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ExchangeState windowExchange;
    Tmainform1 window(windowExchange);
    window.show();
    QCoreApplication::processEvents();
    WidgetForm windowForm(&window);
    NullForm nullForm;

    const QByteArray scanned = fullReply(samples[0].text);
    benchmark::RegisterBenchmark("floor/scan", [&](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(QByteArrayView(scanned).indexOf('\x01'));
        state.SetBytesProcessed(state.iterations() * scanned.size());
    });
    for (const Sample &sample : samples) {
        const QByteArray reply = fullReply(sample.text);
        const std::string code = std::to_string(sample.code);
        benchmark::RegisterBenchmark(("parse/" + code).c_str(),
                                     [&nullForm, sample, reply](benchmark::State &state) {
                                         parseOnce(state, nullForm, sample.code, reply);
                                     });
        auto *intoWindow = benchmark::RegisterBenchmark(
            ("window/" + code).c_str(), [&window, &windowForm, sample, reply](benchmark::State &state) {
                if (auto *memo = window.findChild<QPlainTextEdit *>(QStringLiteral("Memo7")))
                    memo->clear();
                parseOnce(state, windowForm, sample.code, reply);
            });
        // Each history piece stays in the box: a fixed count keeps it to a few megabytes.
        if (sample.code == 5000)
            intoWindow->Iterations(1000);
    }
    const QByteArray noTag = fullReply("0123456789,");
    benchmark::RegisterBenchmark("parse/106 no tag", [&nullForm, noTag](benchmark::State &state) {
        parseOnce(state, nullForm, 106, noTag);
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
