#include "app/Tmainform1.h"

#include "app/BufferRows.h"
#include "app/HandlerGuard.h"
#include "app/StartUpGate.h"
#include "app/WindowHeader.h"
#include "commands/CommandTable.h"
#include "commands/ExchangeState.h"
#include "link/SerialPortNames.h"
#include "link/SerialReceive.h"
#include "link/TComm.h"
#include "replies/ReplyDispatch.h"
#include "ui/ClickFilter.h"
#include "ui/DependentControls.h"
#include "ui/DropDown.h"
#include "ui/InputFilters.h"
#include "ui/Pages.h"

#include <QComboBox>
#include <QHash>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr QSize OuterSize{841, 624};

} // namespace

Tmainform1::Tmainform1(ExchangeState &exchange, StartUp startUp, QWidget *parent)
    : QWidget(parent), m_exchange(exchange), m_form(this), Comm1(new TComm(this)), Timer6(new QTimer(this)),
      ClientSocket1(new TClientSocket(this)), m_tracedSerial(*Comm1, m_trace, "serial"),
      m_tracedGateway(*ClientSocket1, m_trace, "gateway"),
      m_send(m_form, m_exchange, m_tracedSerial, m_tracedGateway)
{
    setObjectName(QStringLiteral("mainform1"));
    setWindowTitle(QStringLiteral("TL380H-AB"));
    QFont face(QStringLiteral("MS Sans Serif"), 8);
    face.setStyleHint(QFont::SansSerif);
    setFont(face);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    setAutoFillBackground(true);
    move(357, 231);
    setFixedSize(OuterSize);

    // The system's serial ports are looked for while the first page is built.
    std::future<QStringList> systemPorts = lookForSystemPorts();
    buildWindowHeader(this);
    m_pages = buildPageControl(this);
    buildBufferRows(this);
    findChild<QComboBox *>(QStringLiteral("SPREALCOM"))->addItems(systemPorts.get());

    Timer6->setObjectName(QStringLiteral("Timer6"));
    Timer6->setInterval(200);
    // A coarse timer may fire up to 5% (10 ms) early or late; the parse is due 200 ms after the piece.
    Timer6->setTimerType(Qt::PreciseTimer);
    if (startUp == StartUp::Whole)
        finishStartUp();
    else
        m_gate = new StartUpGate;
}

// The rest of the window, then its handlers, the parse timer and the start state.
void Tmainform1::finishStartUp()
{
    if (m_whole)
        return;
    m_whole = true;
    buildRemainingPages(m_pages);
    bindHandlers();
    Timer6->start();
    FormCreate();
    if (m_gate) {
        m_gate->release();
        m_gate->deleteLater();
        m_gate = nullptr;
    }
}

Tmainform1::~Tmainform1()
{
    delete m_gate;
}

template <typename Handler> void Tmainform1::bind(QObject *sender, Handler handler)
{
    if (auto *b = qobject_cast<QPushButton *>(sender))
        connect(b, &QPushButton::clicked, this,
                [this, handler] { guarded(this, [&] { (this->*handler)(); }); });
}

void Tmainform1::bindHandlers()
{
    // One pass over the buttons rather than a search of the whole window per row.
    QHash<QString, QPushButton *> buttons;
    for (QPushButton *b : findChildren<QPushButton *>())
        buttons.insert(b->objectName(), b);
    for (const auto family : commandFamilies())
        for (const CommandRow &row : family)
            if (auto *b = buttons.value(QLatin1String(row.button)))
                connect(b, &QPushButton::clicked, this,
                        [this, &row] { guarded(this, [&] { runCommand(row); }); });

    bind(findChild<QPushButton *>(QStringLiteral("Button10")), &Tmainform1::Button10Click);
    bind(findChild<QPushButton *>(QStringLiteral("Button58")), &Tmainform1::Button58Click);
    onUserChange(findChild<QComboBox *>(QStringLiteral("ComboBox2")), this,
                 [this] { guarded(this, [this] { ComboBox2Change(); }); });
    onClickOrDoubleClick(findChild<QWidget *>(QStringLiteral("Label20")), [this] { Label20Click(); });
    bindDependentControls(this, m_form);
    installInputFilters(this);

    connect(Comm1, &TComm::ReceiveData, this,
            [this](const QByteArray &piece) { guarded(this, [&] { Comm1ReceiveData(piece); }); });
    connect(Timer6, &QTimer::timeout, this, [this] { guarded(this, [this] { Timer6Timer(); }); });
    bindGatewayHandlers();
}

void Tmainform1::FormCreate()
{
    m_form.setEnabled(QStringLiteral("TabSheet1"), false);
    m_form.setEnabled(QStringLiteral("Button10"), false);
    m_form.setEnabled(QStringLiteral("Button14"), false);
    m_form.setEnabled(QStringLiteral("Button13"), false);
    m_form.setShown(QStringLiteral("Button15"), false);
    findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
    m_form.setEnabled(QStringLiteral("SPREALCOM"), true);
}

void Tmainform1::runCommand(const CommandRow &row)
{
    m_send.send(buildCommand(row, m_form));
}

void Tmainform1::ComboBox2Change()
{
    const bool serial = m_form.index(QStringLiteral("ComboBox2")) == 0;
    m_form.setEnabled(QStringLiteral("SPREALCOM"), serial);
    m_form.setEnabled(QStringLiteral("Button10"), serial);
    m_form.setEnabled(QStringLiteral("Button13"), !serial);
    m_form.setEnabled(QStringLiteral("Button9"), !serial);
    m_form.setEnabled(QStringLiteral("Button37"), !serial);
    m_form.setEnabled(QStringLiteral("TabSheet1"), serial);
}

void Tmainform1::Button10Click()
{
    if (!m_exchange.PortOpen) {
        m_form.setText(QStringLiteral("Button10"), "Close");
        m_exchange.PortOpen = true;
        Comm1->ClosePort();
        Comm1->CommName = findChild<QComboBox *>(QStringLiteral("SPREALCOM"))->currentText();
        Comm1->OpenPort();
        m_form.setEnabled(QStringLiteral("Button19"), true);
        m_form.setEnabled(QStringLiteral("Button14"), true);
    } else {
        m_form.setText(QStringLiteral("Button10"), "Open");
        m_exchange.PortOpen = false;
        Comm1->ClosePort();
        m_form.setEnabled(QStringLiteral("Button14"), false);
    }
}

void Tmainform1::Button58Click()
{
    m_form.setText(QStringLiteral("Memo8"), {});
}

void Tmainform1::Label20Click()
{
    m_form.setShown(QStringLiteral("Button15"), true);
}

bool Tmainform1::openTrace(const QString &path)
{
    return m_trace.open(path);
}

void Tmainform1::Comm1ReceiveData(const QByteArray &piece)
{
    m_trace.received("serial", piece);
    serialPieceReceived(m_form, m_exchange, piece, [this] { startParseTimer(); });
}

void Tmainform1::startParseTimer()
{
    // A running countdown is left as it is: the parse follows the first piece by 200 ms.
    if (!Timer6->isActive())
        Timer6->start();
}

void Tmainform1::Timer6Timer()
{
    Timer6->stop();
    parseReply(m_form, m_exchange);
}

void Tmainform1::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Queued: it runs once this paint pass, the first frame, is done.
    if (!m_whole)
        QMetaObject::invokeMethod(this, &Tmainform1::finishStartUp, Qt::QueuedConnection);
}

void Tmainform1::showEvent(QShowEvent *event)
{
    // The designed size is the outer one: the frame, where there is one, comes off the client area.
    const QSize frame = frameGeometry().size() - geometry().size();
    if (!frame.isEmpty())
        setFixedSize(OuterSize - frame);
    QWidget::showEvent(event);
    // Shown but never painted (minimised, off every screen): the window is made whole all the same.
    if (!m_whole)
        QTimer::singleShot(250, this, &Tmainform1::finishStartUp);
}
