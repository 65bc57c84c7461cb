#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <deque>
#include <memory>

// Holds the user's input back while the window is still being built. Input from the
// window system waits at the window it came to, so that at its turn the window hands it
// to whatever has the focus then (a Tab moves on, the next key lands in the next field);
// input handed straight to a widget waits for that widget. release() delivers what waits
// one by one, in the order it came, each done before the next. Input that arrives while a
// held event is being handled (a box it opened runs a loop of its own) queues behind
// the rest, which goes first.
class StartUpGate : public QObject
{
public:
    StartUpGate();
    ~StartUpGate() override;

    void release();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deliverHeld();

    struct Held
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::deque<Held> m_held;
    bool m_open = false;
    // How many held events are being handled, one inside the other.
    int m_delivering = 0;
};
