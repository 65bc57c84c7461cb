#include "app/StartUpGate.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
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
    if (!isUserInput(event->type()) || !(watched->isWidgetType() || watched->isWindowType()))
        return false;
    if (!m_open) {
        m_held.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
        return true;
    }
    // A held event on its way: the window passing it to a widget, a widget to its parent.
    if (m_delivering > 0 && !event->spontaneous())
        return false;
    // New input while a held event is being handled: what still waits goes first.
    deliverHeld();
    return false;
}

void StartUpGate::release()
{
    if (m_open)
        return;
    m_open = true;
    deliverHeld();
    QCoreApplication::instance()->removeEventFilter(this);
}

// Each held event is taken off before it is handled, so that a loop it opens delivers
// the rest in order and none twice. Sent, not posted: nothing overtakes it.
void StartUpGate::deliverHeld()
{
    while (!m_held.empty()) {
        Held held = std::move(m_held.front());
        m_held.pop_front();
        QObject *receiver = held.receiver;
        // Typed text goes to whatever takes it now, as a key through the window does.
        if (held.event->type() == QEvent::InputMethod && QGuiApplication::focusObject())
            receiver = QGuiApplication::focusObject();
        if (!receiver)
            continue;
        ++m_delivering;
        QCoreApplication::sendEvent(receiver, held.event.get());
        --m_delivering;
    }
}
