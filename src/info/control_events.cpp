#include "control_events.h"

#include <QFocusEvent>
#include <QWidget>

void ControlEvents::onDblClick(QWidget* control, const std::function<void()>& handler)
{
    add(control, QEvent::MouseButtonDblClick, handler);
}

void ControlEvents::onLostFocus(QWidget* control, const std::function<void()>& handler)
{
    add(control, QEvent::FocusOut, handler);
}

void ControlEvents::add(QWidget* control, QEvent::Type type, const std::function<void()>& handler)
{
    m_handlers.insert({ control, type }, handler);
    control->installEventFilter(this);
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return false;
    }
    const auto handler = m_handlers.constFind({ watched, event->type() });
    if (handler != m_handlers.constEnd())
        (*handler)();
    return false;
}
