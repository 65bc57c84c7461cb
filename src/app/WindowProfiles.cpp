// The window and its profile actions: a profile named at start or dropped on the window, closing while one
// runs.
#include "app/Tmainform1.h"

#include "app/DataWatch.h"
#include "app/HandlerGuard.h"
#include "app/ProfileActions.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>

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
        tr("A profile action is running. Stop it once the collector has answered and close the window?"),
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
