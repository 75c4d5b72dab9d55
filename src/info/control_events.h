#pragma once

#include <QEvent>
#include <QHash>
#include <QObject>
#include <QPair>

#include <functional>

class QWidget;

// Runs a window's handlers for the double-click and lost-focus events of its
// controls. The control still receives the event afterwards, so it keeps its
// own behaviour (a text box selects the word under a double-click).
class ControlEvents : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void onDblClick(QWidget* control, const std::function<void()>& handler);

    // The focus counts as lost when it moves to another control of the
    // window; a context menu or a switch to another window keeps it.
    void onLostFocus(QWidget* control, const std::function<void()>& handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void add(QWidget* control, QEvent::Type type, const std::function<void()>& handler);

    QHash<QPair<const QObject*, int>, std::function<void()>> m_handlers;
};
