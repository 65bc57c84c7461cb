#pragma once

#include "app/ErrorBox.h"
#include "commands/HandlerError.h"

#include <exception>

// The one place where an error raised in a handler becomes the error box. The
// handler ends at the error; what it did before stays done; the program goes on.
template <typename Handler> void guarded(QWidget *window, Handler &&handler)
{
    try {
        handler();
    } catch (const HandlerError &error) {
        showErrorBox(window, error.message());
    } catch (const std::exception &error) {
        showErrorBox(window, QString::fromLocal8Bit(error.what()));
    }
}
