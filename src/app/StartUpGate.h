#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <vector>

#include <memory>

// Holds the user's input back while the window is still being built: keys, mouse,
// wheel, touch and input-method text aimed at any widget wait here and reach their
// widgets, in the order they came, once release() is called.
class StartUpGate : public QObject
{
public:
    StartUpGate();
    ~StartUpGate() override;

    void release();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Held
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Held> m_held;
    bool m_open = false;
};
