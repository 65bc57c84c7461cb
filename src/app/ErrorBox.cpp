#include "app/ErrorBox.h"

#include "app/MessageTexts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

QString applicationTitle(const QString &executablePath)
{
    const QString name = QFileInfo(executablePath).fileName().section(u'.', 0, 0);
    return name.left(1) + name.mid(1).toLower();
}

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

namespace {

// A translated message carries its own full stop.
QString boxText(const QString &message)
{
    const QString shown = shownMessage(message);
    return shown == message ? errorBoxText(message) : shown;
}

} // namespace

void showErrorBox(QWidget *window, const QString &message)
{
    auto *box =
        new QMessageBox(QMessageBox::Critical, applicationTitle(QCoreApplication::applicationFilePath()),
                        boxText(message), QMessageBox::Ok, window);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}
