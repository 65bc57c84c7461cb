#pragma once

#include "profile/ActionHooks.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

// The modal dialog of a profile action: a label and a bar fed by the action's
// progress, and Cancel, which asks the action to stop once the collector has
// answered the exchange in flight. The dialog goes with this object.
class ProfileProgress
{
public:
    ProfileProgress(QWidget *window, const QString &title);
    ~ProfileProgress();
    ProfileProgress(const ProfileProgress &) = delete;
    ProfileProgress &operator=(const ProfileProgress &) = delete;

    void stop();
    bool stopping() const { return m_stop; }
    // Progress and stop for the action's steps.
    ActionHooks hooks();

private:
    QPointer<QProgressDialog> m_dialog;
    bool m_stop = false;
};
