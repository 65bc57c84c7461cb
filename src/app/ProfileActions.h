#pragma once

#include "commands/CollectorLink.h"
#include "profile/ActionHooks.h"
#include "profile/IdentityRule.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileCompare.h"
#include "profile/WriteResult.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

struct CollectorState;
class Form;
class ProfileProgress;
class QWidget;
class TClientSocket;
class TComm;
class Trace;
struct ProfileKey;

// The window's profile actions: open and save a profile file, compare it with a
// collector, write it to one. They talk over the window's own open link, each
// exchange ended by the link's framing, while the rest of the window waits behind
// a modal dialog; the parse timer never sees their answers.
class ProfileActions : public QObject
{
    Q_OBJECT
public:
    ProfileActions(QWidget *window, Form &form, TComm &serial, TClientSocket &gateway, Trace &trace);
    ~ProfileActions() override;

    bool running() const { return m_progress != nullptr; }
    // A write ends after the exchange in flight; a read ends at once.
    void stop();
    // Runs once the action in flight has ended.
    void whenIdle(std::function<void()> then) { m_whenIdle = std::move(then); }

    void open();
    // The whole profile checked, then put into the pages as the user would; false,
    // changing nothing, with every fault in one box.
    bool openFile(const QString &path);
    void save();
    bool saveFile(const QString &path);
    void compare();
    void write();

    const QList<ComparedSetting> &comparison() const { return m_comparison; }
    const WriteResult &written() const { return m_written; }
    // The last profiles opened or saved, the latest first.
    QStringList recentProfiles() const;

private:
    QList<ProfileSetting> reference() const;
    void enterProfile(const QString &path, const QList<ProfileSetting> &settings);
    void applyAsTyped(const QList<ProfileSetting> &settings);
    bool writeProfilesIdentity(const QList<IdentityDifference> &differ);
    bool viaGateway() const;
    void showPages(const CollectorState &collector);
    // Runs the action over the window's link behind the progress dialog; every error ends it.
    void runAction(const QString &title,
                   const std::function<void(CollectorLink &, const ActionHooks &)> &action);
    void note(int icon, const QString &text);

    QWidget *m_window;
    Form &m_form;
    TComm &m_serial;
    TClientSocket &m_gateway;
    Trace &m_trace;
    ProfileProgress *m_progress = nullptr;
    std::function<void()> m_whenIdle;
    // The last profile opened or saved: what Compare and Write hold the collector against.
    QString m_profilePath;
    QList<ProfileSetting> m_profile;
    bool m_haveProfile = false;
    // Fields a profile or the collector left empty: an empty value there is a value, not a gap.
    QSet<const ProfileKey *> m_givenEmpty;
    QList<ComparedSetting> m_comparison;
    WriteResult m_written;
};
