#include "app/StartUpGate.h"

#include <QCoreApplication>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

StartUpGate::StartUpGate()
{
    QCoreApplication::instance()->installEventFilter(this);
}

StartUpGate::~StartUpGate()
{
    release();
}

bool StartUpGate::eventFilter(QObject *watched, QEvent *event)
{
    if (m_open || !watched->isWidgetType() || !isUserInput(event->type()))
        return false;
    m_held.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    return true;
}

void StartUpGate::release()
{
    if (m_open)
        return;
    m_open = true;
    QCoreApplication::instance()->removeEventFilter(this);
    // Posted, so that each reaches its widget from the event loop as it would have.
    for (Held &held : m_held)
        if (held.receiver)
            QCoreApplication::postEvent(held.receiver, held.event.release());
    m_held.clear();
}
