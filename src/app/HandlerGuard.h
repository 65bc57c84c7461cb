#pragma once

#include "app/ErrorBox.h"
#include "app/MessageTexts.h"
#include "commands/HandlerError.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

// The one place where an error raised in a handler becomes the error box (or, for
// a handler's own validation message, a plain box). The handler ends at the error;
// what it did before stays done; the program goes on.
template <typename Handler> void guarded(QWidget *window, Handler &&handler)
{
    try {
        handler();
    } catch (const PlainMessage &message) {
        auto *box =
            new QMessageBox(QMessageBox::NoIcon, applicationTitle(QCoreApplication::applicationFilePath()),
                            shownMessage(message.message()), QMessageBox::Ok, window);
        box->setTextFormat(Qt::PlainText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        box->show();
    } catch (const HandlerError &error) {
        showErrorBox(window, error.message());
    } catch (const std::exception &error) {
        showErrorBox(window, QString::fromLocal8Bit(error.what()));
    }
}
