#pragma once

#include "app/WidgetForm.h"
#include "link/SendStep.h"
#include "link/TClientSocket.h"
#include "link/Trace.h"
#include "link/TracedTransport.h"

#include <QWidget>

class DataWatch;
class ProfileActions;
class QTabWidget;
class QTimer;
class StartUpGate;
class TComm;
struct CommandRow;
struct ExchangeState;

// The main window. Its controls hold every setting of the collector; its
// handlers keep the collector's names and each runs one row or one rule.
class Tmainform1 : public QWidget
{
    Q_OBJECT
public:
    // Whole: every page is built before the constructor returns. FirstFrameFirst, for the
    // program itself: the first frame shows the header, the first page and the buffers;
    // the other pages are built right after it is painted, and the user's input and the
    // parse timer wait until then. FormCreate runs once every page exists, in both ways.
    enum class StartUp { Whole, FirstFrameFirst };

    explicit Tmainform1(ExchangeState &exchange, StartUp startUp = StartUp::Whole, QWidget *parent = nullptr);
    ~Tmainform1() override;

    // Whether every page and handler exists and FormCreate has run.
    bool isWhole() const { return m_whole; }

    Form &form() { return m_form; }
    // Notes every command sent and every piece received in the file (--trace).
    bool openTrace(const QString &path);
    QString traceError() const { return m_trace.errorString(); }
    // Open, save, compare and write a profile over the window's own link.
    ProfileActions &profiles() { return *m_profiles; }
    // The monitor and the charts of the "Data Query" page; there once the window is whole.
    DataWatch *dataWatch() { return m_watch; }
    // Opened as with "Open Profile…" once the window is whole.
    void openProfileWhenWhole(const QString &path);

    void FormCreate();
    void ComboBox2Change();
    void Button10Click();
    void Button58Click();
    void Label20Click();
    void Comm1ReceiveData(const QByteArray &piece);
    void Timer6Timer();

    void Button13Click();
    void Button9Click();
    void Button37Click();
    void ClientSocket1Connecting();
    void ClientSocket1Connect();
    void ClientSocket1Disconnect();
    void ClientSocket1Error(TErrorEvent ErrorEvent, int &ErrorCode);
    void ClientSocket1Read();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void finishStartUp();
    template <typename Handler> void bind(QObject *sender, Handler handler);
    void bindHandlers();
    void bindGatewayHandlers();
    void bindProfileButtons();
    void runCommand(const CommandRow &row);
    void startParseTimer();

    ExchangeState &m_exchange;
    WidgetForm m_form;
    TComm *Comm1;
    QTimer *Timer6;
    TClientSocket *ClientSocket1;
    Trace m_trace;
    TracedTransport m_tracedSerial;
    TracedTransport m_tracedGateway;
    SendStep m_send;
    QTabWidget *m_pages;
    StartUpGate *m_gate = nullptr;
    bool m_whole = false;
    ProfileActions *m_profiles;
    QString m_profileAtStart;
    bool m_closeWhenIdle = false;
    DataWatch *m_watch = nullptr;
};
