// The frame of the profile actions: the window's link lent to a session behind a
// modal dialog, the pages shown from the collector's answers, the notes.
#include "app/ProfileActions.h"

#include "app/ErrorBox.h"
#include "app/ProfileProgress.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "commands/LinkMode.h"
#include "link/ExchangeSession.h"
#include "link/ReceiveBuffer.h"
#include "profile/CollectorRead.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"
#include "profile/QueryPlan.h"
#include "replies/ReplyDispatch.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <memory>

namespace {

// The silence after the last byte that ends a wait for an answer, as tl380ctl's default.
constexpr int QuietMs = 3000;

} // namespace

ProfileActions::ProfileActions(QWidget *window, Form &form, TComm &serial, TClientSocket &gateway,
                               Trace &trace)
    : QObject(window), m_window(window), m_form(form), m_serial(serial), m_gateway(gateway), m_trace(trace)
{
}

ProfileActions::~ProfileActions() = default;

void ProfileActions::stop()
{
    if (m_progress)
        m_progress->stop();
}

bool ProfileActions::viaGateway() const
{
    return isIpMode(m_form);
}

void ProfileActions::runAction(const QString &title,
                               const std::function<void(CollectorLink &, const ActionHooks &)> &action)
{
    // However the action ends (an answer, a stop, a lost link, any error), the dialog
    // goes, the window's link is given back and what waits for the end runs.
    struct Running
    {
        ProfileActions &actions;
        std::unique_ptr<ProfileProgress> progress;
        ~Running()
        {
            actions.m_progress = nullptr;
            progress.reset();
            if (actions.m_whenIdle)
                QMetaObject::invokeMethod(&actions, actions.m_whenIdle, Qt::QueuedConnection);
        }
    } running{*this, std::make_unique<ProfileProgress>(m_window, title)};
    m_progress = running.progress.get();
    HeadlessForm sessionForm;
    ExchangeState state;
    ExchangeSession link(m_serial, m_gateway, viaGateway(), sessionForm, state, QuietMs, m_trace);
    link.open();
    action(link, m_progress->hooks());
}

// The answers through the window's parser, as after "Read Parameters" on each page.
void ProfileActions::showPages(const CollectorState &collector)
{
    for (const QueryAnswer &answer : collector.answers) {
        ExchangeState state;
        state.ExpectedReplyCode = answer.code;
        state.ReplyText = answer.bytes;
        state.PiecesSinceParse = {answer.bytes};
        try {
            parseReply(m_form, state);
        } catch (const HandlerError &) {
            // Read once already into the collector's form: it parses.
        }
    }
    if (!collector.answers.isEmpty())
        m_form.setText(QStringLiteral("Memo8"), receiveBufferText(collector.answers.last().bytes));
    for (const ProfileKey &key : profileKeys())
        if (readableOver(key, viaGateway()) && shownValue(m_form, key).isEmpty())
            m_givenEmpty.insert(&key);
}

void ProfileActions::note(int icon, const QString &text)
{
    auto *box =
        new QMessageBox(QMessageBox::Icon(icon), applicationTitle(QCoreApplication::applicationFilePath()),
                        text, QMessageBox::Ok, m_window);
    box->setObjectName(QStringLiteral("ProfileNote"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}
