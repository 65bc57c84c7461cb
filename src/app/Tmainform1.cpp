#include "app/Tmainform1.h"

#include "app/BufferRows.h"
#include "app/HandlerGuard.h"
#include "app/ProfileActions.h"
#include "app/StartUpGate.h"
#include "app/WindowHeader.h"
#include "commands/ExchangeState.h"
#include "link/SerialPortNames.h"
#include "link/TComm.h"
#include "ui/Pages.h"

#include <QComboBox>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr QSize OuterSize{841, 624};

} // namespace

Tmainform1::Tmainform1(ExchangeState &exchange, StartUp startUp, QWidget *parent)
    : QWidget(parent), m_exchange(exchange), m_form(this), Comm1(new TComm(this)), Timer6(new QTimer(this)),
      ClientSocket1(new TClientSocket(this)), m_tracedSerial(*Comm1, m_trace, "serial"),
      m_tracedGateway(*ClientSocket1, m_trace, "gateway"),
      m_send(m_form, m_exchange, m_tracedSerial, m_tracedGateway),
      m_profiles(new ProfileActions(this, m_form, *Comm1, *ClientSocket1, m_trace))
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
    buildProfileRow(this);
    setAcceptDrops(true);
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
    if (!m_profileAtStart.isEmpty())
        QMetaObject::invokeMethod(
            this, [this] { guarded(this, [this] { m_profiles->openFile(m_profileAtStart); }); },
            Qt::QueuedConnection);
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
    fitProfileRow(this);
    QWidget::showEvent(event);
    // Shown but never painted (minimised, off every screen): the window is made whole all the same.
    if (!m_whole)
        QTimer::singleShot(250, this, &Tmainform1::finishStartUp);
}
