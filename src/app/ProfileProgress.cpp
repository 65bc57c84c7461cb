#include "app/ProfileProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>

ProfileProgress::ProfileProgress(QWidget *window, const QString &title)
    : m_dialog(new QProgressDialog(window))
{
    m_dialog->setObjectName(QStringLiteral("ProfileProgress"));
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    m_dialog->setRange(0, 0);
    m_dialog->setLabelText(QCoreApplication::translate("ProfileActions", "Opening the link…"));
    // Cancel ends the action once the exchange in flight has its answer; the dialog stays until then.
    QObject::disconnect(m_dialog, &QProgressDialog::canceled, m_dialog, &QProgressDialog::cancel);
    QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog, [this] { stop(); });
    m_dialog->show();
}

ProfileProgress::~ProfileProgress()
{
    delete m_dialog;
}

void ProfileProgress::stop()
{
    m_stop = true;
    if (!m_dialog)
        return;
    m_dialog->setLabelText(
        QCoreApplication::translate("ProfileActions", "Stopping once the collector has answered…"));
    if (auto *cancel = m_dialog->findChild<QPushButton *>())
        cancel->setEnabled(false);
}

ActionHooks ProfileProgress::hooks()
{
    return ActionHooks{[this](int done, int count, const QString &what) {
                           if (!m_dialog)
                               return;
                           m_dialog->setMaximum(count);
                           m_dialog->setValue(done);
                           if (!m_stop && !what.isEmpty())
                               m_dialog->setLabelText(what);
                       },
                       [this] { return m_stop; }};
}
