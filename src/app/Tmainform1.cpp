#include "app/Tmainform1.h"

#include "app/BufferRows.h"
#include "app/DataWatch.h"
#include "app/HandlerGuard.h"
#include "app/ProfileActions.h"
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

#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QMimeData>
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
    bindProfileButtons();
    m_watch = new DataWatch(this, m_form, *Comm1, *ClientSocket1, m_trace, *m_profiles);
}

void Tmainform1::bindProfileButtons()
{
    const std::pair<const char *, void (ProfileActions::*)()> buttons[] = {
        {"ProfileOpen", &ProfileActions::open},
        {"ProfileSave", &ProfileActions::save},
        {"ProfileCompare", &ProfileActions::compare},
        {"ProfileWrite", &ProfileActions::write},
    };
    for (const auto &[name, action] : buttons)
        if (auto *b = findChild<QPushButton *>(QLatin1String(name)))
            connect(b, &QPushButton::clicked, this,
                    [this, action] { guarded(this, [&] { (m_profiles->*action)(); }); });
    m_profiles->whenIdle([this] {
        if (m_closeWhenIdle)
            close();
    });
}

void Tmainform1::openProfileWhenWhole(const QString &path)
{
    m_profileAtStart = path;
    if (m_whole)
        guarded(this, [this] { m_profiles->openFile(m_profileAtStart); });
}

namespace {

// The one profile file a drop carries, if it carries exactly one.
QString droppedProfile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    const QString path = data->urls().first().toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0 ? path
                                                                                             : QString();
}

} // namespace

void Tmainform1::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_whole && !m_profiles->running() && !droppedProfile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Tmainform1::dropEvent(QDropEvent *event)
{
    const QString path = droppedProfile(event->mimeData());
    if (path.isEmpty() || m_profiles->running())
        return;
    event->acceptProposedAction();
    guarded(this, [&] { m_profiles->openFile(path); });
}

void Tmainform1::closeEvent(QCloseEvent *event)
{
    if (!m_profiles->running()) {
        if (m_watch)
            m_watch->windowClosed();
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    if (m_closeWhenIdle || findChild<QMessageBox *>(QStringLiteral("CloseQuestion")))
        return;
    // Asked without a loop of its own: the action goes on while the question waits.
    auto *box = new QMessageBox(
        QMessageBox::Question, windowTitle(),
        QStringLiteral(
            "A profile action is running. Stop it once the collector has answered and close the window?"),
        QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("CloseQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QMessageBox::finished, this, [this](int answer) {
        if (answer != QMessageBox::Yes)
            return;
        m_closeWhenIdle = true;
        if (m_profiles->running())
            m_profiles->stop();
        else
            close();
    });
    box->show();
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
        m_watch->linkEnded();
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
    // While a profile action runs, its pieces are its own: the parse timer never sees them.
    if (m_profiles->running())
        return;
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
    m_watch->parsing(m_exchange);
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
    fitProfileRow(this);
    QWidget::showEvent(event);
    // Shown but never painted (minimised, off every screen): the window is made whole all the same.
    if (!m_whole)
        QTimer::singleShot(250, this, &Tmainform1::finishStartUp);
}
