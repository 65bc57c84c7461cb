// Times exchanges through the tool's window with this program as the collector, over a
// pseudo-terminal and over loopback TCP (127.0.0.1 only): the click on "Read Parameters" to
// the first byte at the collector, and the last byte of the answer to the station field
// filled. The floor of the first figure is one byte written straight to the same kind of
// link from the window's thread. One line per exchange:
//   <link> click_us <n> floor_us <n> fill_us <n>

#include "LoopCollector.h"
#include "ProbeClock.h"

#include "app/Tmainform1.h"
#include "app/WidgetForm.h"
#include "commands/ExchangeState.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

namespace {

constexpr int Rounds = 10;

// Runs the event loop until done() holds or timeoutMs pass; false on the timeout. It looks
// every millisecond; the times themselves are stamped where things happen.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    const qint64 end = monotonicNs() + qint64(timeoutMs) * 1000000;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || monotonicNs() > end)
            loop.quit();
    });
    look.start(1);
    if (!done())
        loop.exec();
    return done();
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void pick(Tmainform1 &window, const char *name, int index)
{
    auto *box = window.findChild<QComboBox *>(QLatin1String(name));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void click(Tmainform1 &window, const char *name)
{
    window.findChild<QPushButton *>(QLatin1String(name))->click();
}

class ExchangeRounds
{
public:
    ExchangeRounds(Tmainform1 &window, LoopCollector &collector, int floorFd, const char *link)
        : m_window(window), m_collector(collector), m_floorFd(floorFd), m_link(link)
    {
        m_station = m_window.findChild<QLineEdit *>(QStringLiteral("Edit7"));
        QObject::connect(m_station, &QLineEdit::textChanged, &m_window, [this](const QString &text) {
            if (text == m_expected)
                m_filledNs = monotonicNs();
        });
    }

    // Each exchange answers with its own station number, so each fill is a change.
    bool run(int first)
    {
        for (int i = 0; i < Rounds; ++i) {
            m_expected = QStringLiteral("%1").arg(first + i, 5, 10, QLatin1Char('0'));
            m_collector.setAnswer("TQ1:" + m_expected.toLatin1() + ";TM:2506151230;SA:3;SD:01;DY:05;ER:010;");
            m_collector.firstByteNs = 0;
            m_collector.answerEndNs = 0;
            m_filledNs = 0;
            const qint64 clicked = monotonicNs();
            click(m_window, "Button32");
            if (!waitFor([this] { return m_filledNs != 0; }, 3000)) {
                std::fprintf(stderr, "%s: the station field was not filled\n", m_link);
                return false;
            }
            pause(50);
            m_collector.floorNs = 0;
            const qint64 written = monotonicNs();
            if (::write(m_floorFd, "F", 1) != 1 ||
                !waitFor([this] { return m_collector.floorNs != 0; }, 1000)) {
                std::fprintf(stderr, "%s: the floor byte did not arrive\n", m_link);
                return false;
            }
            std::printf("%s click_us %.1f floor_us %.1f fill_us %.1f\n", m_link,
                        (m_collector.firstByteNs - clicked) / 1e3, (m_collector.floorNs - written) / 1e3,
                        (m_filledNs - m_collector.answerEndNs) / 1e3);
            std::fflush(stdout);
            pause(50);
        }
        return true;
    }

private:
    Tmainform1 &m_window;
    LoopCollector &m_collector;
    int m_floorFd;
    const char *m_link;
    QLineEdit *m_station = nullptr;
    QString m_expected;
    qint64 m_filledNs = 0;
};

bool overSerial(Tmainform1 &window, WidgetForm &form, ExchangeState &exchange)
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return false;
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);

    LoopCollector collector;
    collector.serve(master, false);
    collector.start();
    pick(window, "ComboBox2", 0);
    form.setText(QStringLiteral("SPREALCOM"), QByteArray(name));
    click(window, "Button10");
    bool ok = exchange.PortOpen && ExchangeRounds(window, collector, slave, "serial").run(1);
    click(window, "Button10");
    collector.stop();
    ::close(slave);
    return ok;
}

bool overTcp(Tmainform1 &window, WidgetForm &form)
{
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (server < 0 || ::bind(server, reinterpret_cast<sockaddr *>(&address), size) != 0 ||
        ::listen(server, 4) != 0 || ::getsockname(server, reinterpret_cast<sockaddr *>(&address), &size) != 0)
        return false;

    LoopCollector collector;
    collector.serve(server, true);
    collector.start();
    pick(window, "ComboBox2", 1);
    form.setText(QStringLiteral("Edit6"), "127.0.0.1");
    form.setText(QStringLiteral("Edit34"), QByteArray::number(ntohs(address.sin_port)));
    click(window, "Button13");
    bool ok = waitFor([&] { return form.text(QStringLiteral("Label146")) == "Connected"; }, 3000);

    // The floor link: a second connection, written to without any buffering on the way.
    const int direct = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(direct, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    ok = ok && ::connect(direct, reinterpret_cast<sockaddr *>(&address), size) == 0 &&
         waitFor([&] { return collector.connections == 2; }, 3000);
    ok = ok && ExchangeRounds(window, collector, direct, "tcp").run(101);
    click(window, "Button9");
    collector.stop();
    ::close(direct);
    ::close(server);
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ExchangeState exchange;
    Tmainform1 window(exchange);
    window.show();
    pause(300);
    WidgetForm form(&window);
    const bool serial = overSerial(window, form, exchange);
    const bool tcp = overTcp(window, form);
    return serial && tcp ? 0 : 1;
}
