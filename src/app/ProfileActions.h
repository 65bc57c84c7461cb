#pragma once

#include "profile/ProfileCheck.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <functional>

class ExchangeSession;
class Form;
class HeadlessForm;
class QProgressDialog;
class QWidget;
class TClientSocket;
class TComm;
class Trace;
struct ProfileKey;

// One row of a comparison: what the collector holds and what the profile gives.
struct ComparedSetting
{
    const ProfileKey *key;
    QString collector;
    QString profile;
    bool inProfile;
    bool differs;
};

// What a write came to, by "page.key".
struct WrittenProfile
{
    QStringList changed;
    QStringList alreadyRight;
    QStringList failed;
    QStringList notWritten;
    // Sent and taken, but not read back: the write ended before its read-back.
    QStringList written;
    QStringList skipped;
    // Why the write ended early ("stopped" by the user, or the link's fault); empty when it ran to the end.
    QString stopped;
};

// The window's profile actions: open and save a profile file, compare it with a
// collector, write it to one. They talk over the window's own open link, each
// exchange ended by the link's framing, while the rest of the window waits behind
// a modal dialog; the parse timer never sees their answers.
class ProfileActions : public QObject
{
public:
    ProfileActions(QWidget *window, Form &form, TComm &serial, TClientSocket &gateway, Trace &trace);
    ~ProfileActions() override;

    bool running() const { return m_running; }
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
    const WrittenProfile &written() const { return m_written; }
    // The last profiles opened or saved, the latest first.
    QStringList recentProfiles() const;

private:
    struct Answer
    {
        qint32 code;
        QByteArray bytes;
    };

    QList<ProfileSetting> windowSettings(QStringList *leftOut = nullptr) const;
    QList<ProfileSetting> reference() const;
    void enterProfile(const QString &path, const QList<ProfileSetting> &settings);
    void applyAsTyped(const QList<ProfileSetting> &settings);
    bool viaGateway() const;
    bool readableHere(const ProfileKey &key) const;
    void readCollector(ExchangeSession &link, HeadlessForm &collector, QList<Answer> &answers,
                       const QList<ProfileSetting> *only = nullptr);
    void showPages(const QList<Answer> &answers);
    void begin(const QString &title, int steps);
    void step(int n, const QString &what);
    void end();
    void note(int icon, const QString &text);

    QWidget *m_window;
    Form &m_form;
    TComm &m_serial;
    TClientSocket &m_gateway;
    Trace &m_trace;
    bool m_running = false;
    bool m_stop = false;
    std::function<void()> m_whenIdle;
    QPointer<QProgressDialog> m_progress;
    // The last profile opened or saved: what Compare and Write hold the collector against.
    QString m_profilePath;
    QList<ProfileSetting> m_profile;
    bool m_haveProfile = false;
    // Fields a profile or the collector left empty: an empty value there is a value, not a gap.
    QSet<const ProfileKey *> m_givenEmpty;
    QList<ComparedSetting> m_comparison;
    WrittenProfile m_written;
};
