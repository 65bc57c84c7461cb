#include "app/ProfileActions.h"

#include "app/ErrorBox.h"
#include "commands/CommandTable.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "commands/LinkMode.h"
#include "commands/QueryCommands.h"
#include "link/ExchangeSession.h"
#include "link/ReceiveBuffer.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileCompare.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"
#include "replies/ReplyDispatch.h"
#include "ui/CompareDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>

namespace {

// The silence after the last byte that ends a wait for an answer, as tl380ctl's default.
constexpr int QuietMs = 3000;
struct ActionStopped
{
};

bool queryNeedsSerial(const char *button)
{
    return findCommand(QLatin1String(button))->route == Route::SerialOnly;
}

QStringList namesOf(const QList<const ProfileKey *> &keys)
{
    QStringList names;
    for (const ProfileKey *key : keys)
        names << fullName(*key);
    return names;
}

QString listed(const QStringList &names)
{
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

} // namespace

ProfileActions::ProfileActions(QWidget *window, Form &form, TComm &serial, TClientSocket &gateway,
                               Trace &trace)
    : QObject(window), m_window(window), m_form(form), m_serial(serial), m_gateway(gateway), m_trace(trace)
{
}

ProfileActions::~ProfileActions() = default;

void ProfileActions::stop()
{
    m_stop = true;
    if (m_progress) {
        m_progress->setLabelText(QStringLiteral("Stopping once the collector has answered…"));
        if (auto *cancel = m_progress->findChild<QPushButton *>())
            cancel->setEnabled(false);
    }
}

// ---- the collector ------------------------------------------------------------

bool ProfileActions::viaGateway() const
{
    return isIpMode(m_form);
}

bool ProfileActions::readableHere(const ProfileKey &key) const
{
    return !viaGateway() || (!needsSerial(key) && !queryNeedsSerial(queryOf(key)));
}

// Every query of the pages the link allows (or only those that read `only`'s settings),
// into a form holding no earlier answer; each answer must fill every setting it carries.
void ProfileActions::readCollector(ExchangeSession &link, HeadlessForm &collector, QList<Answer> &answers,
                                   const QList<ProfileSetting> *only)
{
    collector.clear();
    collector.setIndex(QStringLiteral("ComboBox2"), viaGateway() ? 1 : 0);
    answers.clear();
    QList<std::pair<const ProfilePage *, const char *>> queries;
    for (const ProfilePage &page : profilePages())
        for (const char *query : page.queries)
            if (!(viaGateway() && queryNeedsSerial(query)) &&
                (!only || std::any_of(only->begin(), only->end(), [query](const ProfileSetting &s) {
                    return qstrcmp(queryOf(*s.key), query) == 0;
                })))
                queries << std::pair{&page, query};
    if (m_progress)
        m_progress->setMaximum(int(queries.size()));
    int n = 0;
    for (const auto &[page, query] : queries) {
        if (m_stop)
            throw ActionStopped{};
        step(n, QStringLiteral("Reading %1 (%2 of %3)")
                    .arg(QLatin1String(page->page))
                    .arg(n + 1)
                    .arg(queries.size()));
        ++n;
        const Command sent = buildCommand(*findCommand(QLatin1String(query)), collector);
        QStringList controls;
        QStringList names;
        for (const ProfileKey &key : profileKeys())
            if (qstrcmp(queryOf(key), query) == 0 && readableHere(key)) {
                controls << QLatin1String(key.control);
                names << fullName(key);
            }
        const qint32 code = sent.replyCode.value_or(0);
        const QByteArray answer = link.exchange(
            sent, [code, controls](const QByteArray &bytes) { return fillsAll(bytes, code, controls); });
        QStringList missing;
        for (int i = 0; i < controls.size(); ++i)
            if (!collector.holds(controls.at(i)))
                missing << names.at(i);
        if (!missing.isEmpty())
            throw SessionError(
                SessionError::Answer,
                QStringLiteral("the answer to %1 gives no value for %2: is it a TL380 collector?")
                    .arg(QString::fromLatin1(sent.text), missing.join(QStringLiteral(", "))));
        answers << Answer{code, answer};
    }
}

// The answers through the window's parser, as after "Read Parameters" on each page.
void ProfileActions::showPages(const QList<Answer> &answers)
{
    for (const Answer &answer : answers) {
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
    if (!answers.isEmpty())
        m_form.setText(QStringLiteral("Memo8"), receiveBufferText(answers.last().bytes));
    for (const ProfileKey &key : profileKeys())
        if (readableHere(key) && shownValue(m_form, key).isEmpty())
            m_givenEmpty.insert(&key);
}

void ProfileActions::compare()
{
    if (m_running)
        return;
    const QList<ProfileSetting> profile = reference();
    HeadlessForm collector;
    ExchangeState state;
    QList<Answer> answers;
    begin(QStringLiteral("Compare"), 0);
    try {
        ExchangeSession link(m_serial, m_gateway, viaGateway(), collector, state, QuietMs, m_trace);
        link.open();
        readCollector(link, collector, answers);
    } catch (const SessionError &error) {
        end();
        showErrorBox(m_window, QStringLiteral("Compare: %1; the pages are as they were").arg(error.message));
        return;
    } catch (const ActionStopped &) {
        end();
        note(QMessageBox::Information, QStringLiteral("Compare stopped; the pages are as they were."));
        return;
    }
    end();

    m_comparison.clear();
    QList<CompareRow> rows;
    QStringList unread;
    int differing = 0;
    for (const ProfileKey &key : profileKeys()) {
        if (!readableHere(key)) {
            unread << fullName(key);
            continue;
        }
        const auto given = std::find_if(profile.begin(), profile.end(),
                                        [&key](const ProfileSetting &s) { return s.key == &key; });
        ComparedSetting row{&key, shownValue(collector, key), {}, given != profile.end(), false};
        if (row.inProfile) {
            row.profile = given->value;
            row.differs = !holdsSetting(collector, *given);
        }
        differing += row.differs ? 1 : 0;
        m_comparison << row;
        rows << CompareRow{fullName(key), row.collector, row.profile, row.differs};
    }
    // The differing rows first, each group in the order of the pages.
    std::stable_partition(rows.begin(), rows.end(), [](const CompareRow &row) { return row.differs; });
    showPages(answers);
    QString said =
        QStringLiteral("%1 of %2 settings differ from %3. The pages now show what the collector holds.")
            .arg(differing)
            .arg(rows.size())
            .arg(m_haveProfile ? QFileInfo(m_profilePath).fileName() : QStringLiteral("the window's values"));
    if (!unread.isEmpty())
        said += QStringLiteral("\nRead over the serial link only, not compared: %1").arg(unread.join(u", "));
    showCompareDialog(m_window, rows, said);
}

void ProfileActions::write()
{
    if (m_running)
        return;
    m_written = WrittenProfile{};
    WrittenProfile &result = m_written;
    QList<ProfileSetting> settings;
    for (const ProfileSetting &setting : reference()) {
        if (viaGateway() && needsSerial(*setting.key))
            result.skipped << fullName(*setting.key);
        else if (clearsHistory(setting))
            result.skipped << fullName(*setting.key) + QStringLiteral(" (clears the stored history)");
        else
            settings << setting;
    }
    QStringList faults;
    HeadlessForm planForm;
    planForm.setIndex(QStringLiteral("ComboBox2"), viaGateway() ? 1 : 0);
    const QList<PlannedCommand> planned = planCommands(planForm, settings, faults);
    if (!faults.isEmpty()) {
        note(QMessageBox::Warning,
             QStringLiteral("Write Profile: nothing sent.\n\n%1").arg(faults.join(u'\n')));
        return;
    }

    HeadlessForm collector;
    ExchangeState state;
    QList<Answer> answers;
    QList<const ProfileKey *> written;
    QStringList refused;
    QStringList inFlight;
    QList<const PlannedCommand *> toSend;
    QList<ProfileSetting> different;
    begin(QStringLiteral("Write Profile"), 0);
    try {
        ExchangeSession link(m_serial, m_gateway, viaGateway(), collector, state, QuietMs, m_trace);
        link.open();
        // What the collector holds first: only the commands of settings it does not hold go out.
        readCollector(link, collector, answers, &settings);
        for (const ProfileSetting &setting : settings)
            if (!holdsSetting(collector, setting))
                different << setting;
        for (const PlannedCommand &command : planned) {
            const bool differs =
                std::any_of(command.keys.begin(), command.keys.end(), [&](const ProfileKey *key) {
                    return std::any_of(different.begin(), different.end(),
                                       [key](const ProfileSetting &s) { return s.key == key; });
                });
            if (differs)
                toSend << &command;
            else
                result.alreadyRight << namesOf(command.keys);
        }
        if (m_progress)
            m_progress->setMaximum(int(toSend.size()));
        for (int n = 0; n < toSend.size(); ++n) {
            const PlannedCommand &command = *toSend.at(n);
            if (m_stop) {
                result.stopped = QStringLiteral("stopped");
                break;
            }
            step(n, QStringLiteral("Setting %1 of %2: %3")
                        .arg(n + 1)
                        .arg(toSend.size())
                        .arg(namesOf(command.keys).join(QStringLiteral(", "))));
            inFlight = namesOf(command.keys);
            const QByteArray answer = link.exchange(command.command, wholeSetAnswer(command));
            inFlight.clear();
            written << command.keys;
            if (answer.contains("ERROR"))
                refused << namesOf(command.keys);
        }
        if (result.stopped.isEmpty()) {
            // The read-back fills a form of its own: a setting the answer lacks is no match.
            step(0, QStringLiteral("Reading back"));
            readCollector(link, collector, answers, &settings);
        }
    } catch (const SessionError &error) {
        result.stopped = error.message;
        if (!inFlight.isEmpty())
            result.stopped +=
                QStringLiteral("; %1 sent, but no answer came: the collector may or may not hold it")
                    .arg(inFlight.join(QStringLiteral(", ")));
    } catch (const ActionStopped &) {
        result.stopped = QStringLiteral("stopped");
    }
    end();
    auto among = [](const QList<ProfileSetting> &list, const ProfileKey *key) {
        return std::any_of(list.begin(), list.end(), [key](const ProfileSetting &s) { return s.key == key; });
    };

    for (const PlannedCommand *command : toSend)
        if (!written.contains(command->keys.first()))
            result.notWritten << namesOf(command->keys);
    if (!result.stopped.isEmpty()) {
        // Not read back: what was sent and taken is named as written, what was refused as failed.
        for (const ProfileKey *key : written)
            (refused.contains(fullName(*key)) ? result.failed : result.written) << fullName(*key);
    } else {
        QList<ProfileSetting> still;
        for (const ProfileSetting &setting : settings)
            if (!holdsSetting(collector, setting))
                still << setting;
        for (const ProfileKey *key : written) {
            // A setting sent with others of its "Set" button may have been right already.
            QStringList &outcome = among(still, key) || refused.contains(fullName(*key)) ? result.failed
                                   : among(different, key)                               ? result.changed
                                                           : result.alreadyRight;
            outcome << fullName(*key);
        }
        for (const ProfileSetting &setting : still)
            if (result.alreadyRight.removeAll(fullName(*setting.key)) > 0)
                result.failed << fullName(*setting.key);
        showPages(answers);
    }

    QString said;
    if (!result.stopped.isEmpty())
        said += QStringLiteral("The write ended early: %1.\n\n").arg(result.stopped);
    said += QStringLiteral("%1 changed, %2 already right, %3 failed, %4 not written")
                .arg(result.changed.size())
                .arg(result.alreadyRight.size())
                .arg(result.failed.size())
                .arg(result.notWritten.size());
    if (!result.written.isEmpty())
        said += QStringLiteral(", %1 written but not read back").arg(result.written.size());
    said += QStringLiteral(".\n\nChanged: %1\nFailed: %2\nNot written: %3")
                .arg(listed(result.changed), listed(result.failed), listed(result.notWritten));
    if (!result.written.isEmpty())
        said += QStringLiteral("\nWritten, not read back: %1").arg(listed(result.written));
    if (!result.skipped.isEmpty())
        said += QStringLiteral("\nSkipped, set over the serial link only or an action: %1")
                    .arg(listed(result.skipped));
    note(result.failed.isEmpty() && result.stopped.isEmpty() ? QMessageBox::Information
                                                             : QMessageBox::Warning,
         said);
}

// ---- the modal dialog -----------------------------------------------------------

void ProfileActions::begin(const QString &title, int steps)
{
    m_running = true;
    m_stop = false;
    auto *progress = new QProgressDialog(m_window);
    progress->setObjectName(QStringLiteral("ProfileProgress"));
    progress->setWindowTitle(title);
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(0);
    progress->setRange(0, steps);
    progress->setLabelText(QStringLiteral("Opening the link…"));
    // Cancel ends the action once the exchange in flight has its answer; the dialog stays until then.
    disconnect(progress, &QProgressDialog::canceled, progress, &QProgressDialog::cancel);
    connect(progress, &QProgressDialog::canceled, this, &ProfileActions::stop);
    progress->show();
    m_progress = progress;
}

void ProfileActions::step(int n, const QString &what)
{
    if (!m_progress)
        return;
    m_progress->setValue(n);
    if (!m_stop)
        m_progress->setLabelText(what);
}

void ProfileActions::end()
{
    delete m_progress;
    m_running = false;
    if (m_whenIdle)
        QMetaObject::invokeMethod(this, m_whenIdle, Qt::QueuedConnection);
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
