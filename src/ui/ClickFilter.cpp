#include "ui/ClickFilter.h"

#include <QEvent>
#include <QWidget>

namespace {

class ClickFilter : public QObject
{
public:
    ClickFilter(QWidget *widget, std::function<void()> handler)
        : QObject(widget), m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            m_handler();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void onClickOrDoubleClick(QWidget *widget, const std::function<void()> &handler)
{
    new ClickFilter(widget, handler);
}
