// The profile's files: open, save, the recent profiles, a profile put into the pages as the user would.
#include "app/ProfileActions.h"

#include "commands/Form.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"
#include "profile/ProfileSave.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>

namespace {

constexpr int RecentCount = 5;

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

} // namespace

QStringList ProfileActions::recentProfiles() const
{
    QSettings settings(QSettings::UserScope, QStringLiteral("tl380"), QStringLiteral("tl380cfg"));
    return settings.value(recentKey()).toStringList().mid(0, RecentCount);
}

void ProfileActions::open()
{
    if (running())
        return;
    QFileDialog dialog(m_window, tr("Open Profile"), {}, tr("Profiles (*.json)"));
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
    // Only a regular file, and only so much of it: a pipe or a device named here would hold the window.
    const ProfileBytes read = readProfileFile(path);
    if (!read.fault.isEmpty()) {
        note(QMessageBox::Warning, tr("%1: %2; nothing changed").arg(path, read.fault));
        return false;
    }
    const QByteArray &text = read.bytes;
    const CheckedProfile checked = checkProfile(text);
    QStringList faults = checked.faults;
    if (faults.isEmpty()) {
        // What the "Set" buttons could not send is a fault too: a profile opened can be written.
        HeadlessForm scratch;
        planCommands(scratch, checked.settings, faults);
    }
    if (!faults.isEmpty()) {
        note(QMessageBox::Warning, tr("%1: not opened; the pages are as they were.\n\n%2")
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
    if (running())
        return;
    QFileDialog dialog(m_window, tr("Save Profile"), {}, tr("Profiles (*.json)"));
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
    const ProfileToSave saved = profileToSave(m_form, m_givenEmpty);
    const QByteArray text = QJsonDocument(saved.profile).toJson(QJsonDocument::Indented);
    // Written whole under a temporary name, then renamed; or not at all.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        note(QMessageBox::Warning, tr("%1: not saved: %2").arg(path, file.errorString()));
        return false;
    }
    enterProfile(path, checkProfile(text).settings);
    if (!saved.leftOut.isEmpty())
        note(QMessageBox::Information,
             tr("%1 saved without the settings the pages leave empty or the collector would not "
                "take, each \"Set\" button's settings all or none:\n%2")
                 .arg(QFileInfo(path).fileName(), saved.leftOut.join(u'\n')));
    return true;
}

void ProfileActions::enterProfile(const QString &path, const QList<ProfileSetting> &settings)
{
    m_profilePath = path;
    m_profile = settings;
    m_haveProfile = true;
    remember(path);
}

QList<ProfileSetting> ProfileActions::reference() const
{
    if (m_haveProfile)
        return m_profile;
    const ProfileToSave shown = profileToSave(m_form, m_givenEmpty);
    return checkProfile(QJsonDocument(shown.profile).toJson(QJsonDocument::Compact)).settings;
}

// As the user would: a drop-down's item is picked (its change rule runs), a field's
// text is typed key by key through the field's filter.
void ProfileActions::applyAsTyped(const QList<ProfileSetting> &settings)
{
    for (const ProfileSetting &setting : settings) {
        QWidget *control = m_window->findChild<QWidget *>(QLatin1String(setting.key->control));
        if (auto *box = qobject_cast<QComboBox *>(control)) {
            const int at = setting.position >= 0 ? setting.position
                                                 : int(allowedItems(*setting.key).indexOf(setting.value));
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
