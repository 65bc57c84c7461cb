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

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>

namespace {

// The silence after the last byte that ends a wait for an answer, as tl380ctl's default.
constexpr int QuietMs = 3000;
constexpr int RecentCount = 5;
// A profile is a few kilobytes; anything far larger is no profile.
constexpr qint64 LargestProfile = 1 << 20;

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

QString recentKey()
{
    return QStringLiteral("profiles/recent");
}

void remember(const QString &path)
{
    QSettings settings(QSettings::UserScope, QStringLiteral("tl380"), QStringLiteral("tl380cfg"));
    QStringList recent = settings.value(recentKey()).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    settings.setValue(recentKey(), recent.mid(0, RecentCount));
}

// The file list takes the keyboard first when the dialog comes up: a name chosen
// there (or given by a program driving the dialog) goes into the file name field.
class ListFirst : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate)
            for (auto *view : static_cast<QWidget *>(watched)->findChildren<QAbstractItemView *>())
                if ((view->objectName() == QLatin1String("treeView") ||
                     view->objectName() == QLatin1String("listView")) &&
                    view->isVisible())
                    view->setFocus(Qt::OtherFocusReason);
        return QObject::eventFilter(watched, event);
    }
};

// When the answer to a "Set" command is whole: "OK" or "ERROR", or, for the commands
// answered like a query, every field of the reply it is read as.
WholeAnswer wholeSetAnswer(const PlannedCommand &command)
{
    if (!command.command.replyCode)
        return isAcknowledgement;
    const qint32 code = *command.command.replyCode;
    const char *query = queryOf(*command.keys.first());
    if (findCommand(QLatin1String(query))->replyCode != code)
        for (const CommandRow &row : queryCommands())
            if (row.replyCode == code)
                query = row.button;
    const QStringList controls = controlsOfQuery(query);
    return [code, controls](const QByteArray &answer) {
        return isAcknowledgement(answer) || fillsAll(answer, code, controls);
    };
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

QStringList ProfileActions::recentProfiles() const
{
    QSettings settings(QSettings::UserScope, QStringLiteral("tl380"), QStringLiteral("tl380cfg"));
    return settings.value(recentKey()).toStringList().mid(0, RecentCount);
}

void ProfileActions::stop()
{
    m_stop = true;
    if (m_progress) {
        m_progress->setLabelText(QStringLiteral("Stopping once the collector has answered…"));
        if (auto *cancel = m_progress->findChild<QPushButton *>())
            cancel->setEnabled(false);
    }
}

// ---- files ------------------------------------------------------------------

void ProfileActions::open()
{
    if (m_running)
        return;
    QFileDialog dialog(m_window, QStringLiteral("Open Profile"), {}, QStringLiteral("Profiles (*.json)"));
    dialog.setObjectName(QStringLiteral("ProfileOpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The folders of the last profiles are the dialog's history; the latest is where it opens.
    const QStringList recent = recentProfiles();
    QStringList folders;
    for (const QString &path : recent)
        if (const QString folder = QFileInfo(path).absolutePath(); !folders.contains(folder))
            folders << folder;
    dialog.setHistory(folders);
    if (!recent.isEmpty()) {
        dialog.setDirectory(QFileInfo(recent.first()).absolutePath());
        dialog.selectFile(recent.first());
    }
    dialog.installEventFilter(new ListFirst(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openFile(dialog.selectedFiles().first());
}

bool ProfileActions::openFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        note(QMessageBox::Warning, QStringLiteral("%1: cannot open: %2").arg(path, file.errorString()));
        return false;
    }
    if (file.size() > LargestProfile) {
        note(QMessageBox::Warning, QStringLiteral("%1: too large for a profile; nothing changed").arg(path));
        return false;
    }
    const CheckedProfile checked = checkProfile(file.readAll());
    QStringList faults = checked.faults;
    if (faults.isEmpty()) {
        // What the "Set" buttons could not send is a fault too: a profile opened can be written.
        HeadlessForm scratch;
        planCommands(scratch, checked.settings, faults);
    }
    if (!faults.isEmpty()) {
        note(QMessageBox::Warning, QStringLiteral("%1: not opened; the pages are as they were.\n\n%2")
                                       .arg(QFileInfo(path).fileName(), faults.join(u'\n')));
        return false;
    }
    applyAsTyped(checked.settings);
    for (const ProfileSetting &setting : checked.settings)
        if (setting.value.isEmpty())
            m_givenEmpty.insert(setting.key);
    enterProfile(path, checked.settings);
    return true;
}

void ProfileActions::save()
{
    if (m_running)
        return;
    QFileDialog dialog(m_window, QStringLiteral("Save Profile"), {}, QStringLiteral("Profiles (*.json)"));
    dialog.setObjectName(QStringLiteral("ProfileSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (!m_profilePath.isEmpty())
        dialog.selectFile(m_profilePath);
    else if (const QStringList recent = recentProfiles(); !recent.isEmpty())
        dialog.setDirectory(QFileInfo(recent.first()).absolutePath());
    dialog.installEventFilter(new ListFirst(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    saveFile(dialog.selectedFiles().first());
}

bool ProfileActions::saveFile(const QString &path)
{
    QStringList leftOut;
    const QList<ProfileSetting> settings = windowSettings(&leftOut);
    QList<const ProfileKey *> keys;
    for (const ProfileSetting &setting : settings)
        keys << setting.key;
    QJsonObject profile = profileOf(m_form, keys);
    for (const ProfilePage &page : profilePages())
        if (!profile.contains(QLatin1String(page.page)))
            profile.insert(QLatin1String(page.page), QJsonObject());
    // Written whole under a temporary name, then renamed; or not at all.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(profile).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        note(QMessageBox::Warning, QStringLiteral("%1: not saved: %2").arg(path, file.errorString()));
        return false;
    }
    enterProfile(path, settings);
    if (!leftOut.isEmpty())
        note(QMessageBox::Information,
             QStringLiteral("%1 saved without the settings the pages leave empty: %2")
                 .arg(QFileInfo(path).fileName(), leftOut.join(QStringLiteral(", "))));
    return true;
}

void ProfileActions::enterProfile(const QString &path, const QList<ProfileSetting> &settings)
{
    m_profilePath = path;
    m_profile = settings;
    m_haveProfile = true;
    remember(path);
}

QList<ProfileSetting> ProfileActions::windowSettings(QStringList *leftOut) const
{
    QList<ProfileSetting> settings;
    for (const ProfileKey &key : profileKeys()) {
        const QStringList items = allowedItems(key);
        const int at = m_form.index(QLatin1String(key.control));
        const QString value = items.isEmpty() ? shownValue(m_form, key)
                                              : (at >= 0 && at < items.size() ? items.at(at) : QString());
        if (value.isEmpty() && !(items.isEmpty() && m_givenEmpty.contains(&key))) {
            if (leftOut)
                *leftOut << fullName(key);
            continue;
        }
        settings << ProfileSetting{&key, value};
    }
    return settings;
}

QList<ProfileSetting> ProfileActions::reference() const
{
    return m_haveProfile ? m_profile : windowSettings();
}

// As the user would: a drop-down's item is picked (its change rule runs), a field's
// text is typed key by key through the field's filter.
void ProfileActions::applyAsTyped(const QList<ProfileSetting> &settings)
{
    for (const ProfileSetting &setting : settings) {
        QWidget *control = m_window->findChild<QWidget *>(QLatin1String(setting.key->control));
        if (auto *box = qobject_cast<QComboBox *>(control)) {
            const int at = int(allowedItems(*setting.key).indexOf(setting.value));
            box->setCurrentIndex(at);
            emit box->activated(at);
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            edit->clear();
            for (qsizetype i = 0; i < setting.value.size();) {
                const qsizetype length = setting.value.at(i).isHighSurrogate() ? 2 : 1;
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, setting.value.mid(i, length));
                QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, setting.value.mid(i, length));
                QCoreApplication::sendEvent(edit, &press);
                QCoreApplication::sendEvent(edit, &release);
                i += length;
            }
            // A field that takes no keys now (its page is disabled) gets the text all the same.
            if (edit->text() != setting.value)
                edit->setText(setting.value);
        }
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

// Every query of the pages the link allows, into a form holding no earlier answer;
// each answer must fill every setting it carries.
void ProfileActions::readCollector(ExchangeSession &link, HeadlessForm &collector, QList<Answer> &answers)
{
    collector.clear();
    collector.setIndex(QStringLiteral("ComboBox2"), viaGateway() ? 1 : 0);
    answers.clear();
    QList<std::pair<const ProfilePage *, const char *>> queries;
    for (const ProfilePage &page : profilePages())
        for (const char *query : page.queries)
            if (!(viaGateway() && queryNeedsSerial(query)))
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
        readCollector(link, collector, answers);
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
            readCollector(link, collector, answers);
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
