#pragma once

#include "LoopbackGateway.h"

// What the fault tests share: the window with its exchange state, a loopback
// gateway, a heartbeat that measures how long the window's thread was held up,
// and the process's processor time and peak memory.

#include "MessageBoxes.h"
#include "app/Tmainform1.h"
#include "commands/ExchangeState.h"
#include "link/TComm.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <sys/resource.h>

struct FaultWindow
{
    ExchangeState exchange;
    Tmainform1 form{exchange};
    FaultWindow()
    {
        form.show();
        QTest::qWait(250);
    }
    ~FaultWindow() { closeBoxes(); }
    template <typename W = QWidget> W *get(const char *name)
    {
        auto *w = form.findChild<W *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void pick(const char *name, int index)
    {
        auto *box = get<QComboBox>(name);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void click(const char *name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    QString text(const char *name)
    {
        if (auto *memo = form.findChild<QPlainTextEdit *>(QLatin1String(name)))
            return memo->toPlainText();
        if (auto *box = form.findChild<QComboBox *>(QLatin1String(name)))
            return box->currentText();
        if (auto *button = form.findChild<QPushButton *>(QLatin1String(name)))
            return button->text();
        if (auto *label = form.findChild<QLabel *>(QLatin1String(name)))
            return label->text();
        return get<QLineEdit>(name)->text();
    }
    void setText(const char *name, const QString &value) { get<QLineEdit>(name)->setText(value); }
    TComm *comm() { return get<TComm>("Comm1"); }
    TClientSocket *client() { return get<TClientSocket>("ClientSocket1"); }
    void openSerial(const QString &path)
    {
        pick("ComboBox2", 0);
        get<QComboBox>("SPREALCOM")->setEditText(path);
        click("Button10");
    }
    void connectTo(quint16 port)
    {
        pick("ComboBox2", 1);
        setText("Edit6", QStringLiteral("127.0.0.1"));
        setText("Edit34", QString::number(port));
        click("Button13");
    }
    // The window still answers: a command is built, shown and its code stored.
    bool answersAClick()
    {
        click("Button32");
        const QString sent = text("discomm");
        return sent.endsWith(QLatin1String("PPPPPP#CHEACK1#")) && exchange.ExpectedReplyCode == 101 &&
               text("Memo8").isEmpty();
    }
};

// Ticks every 10 ms on the window's thread; the longest gap between two ticks is
// the longest time the window could not react.
class Heartbeat
{
public:
    Heartbeat()
    {
        m_timer.setInterval(10);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer,
                         [this] { m_longest = qMax(m_longest, m_clock.restart()); });
        m_clock.start();
        m_timer.start();
    }
    qint64 longestMs() const { return qMax(m_longest, m_clock.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// Processor time of the whole process, every thread, in seconds.
inline double processorSeconds()
{
    rusage use{};
    ::getrusage(RUSAGE_SELF, &use);
    return double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
           double(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

// The peak resident memory of the process so far, in MiB.
inline double peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

// Sanitizer builds keep freed memory in quarantine and shadow every byte: their
// memory figures are not the program's.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool UnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool UnderAddressSanitizer = true;
#else
inline constexpr bool UnderAddressSanitizer = false;
#endif
#else
inline constexpr bool UnderAddressSanitizer = false;
#endif
