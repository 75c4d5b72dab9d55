#include "window_stacking_qt.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace {

// The stays-on-top state, set on the existing native window. QWidget's own
// setWindowFlag would destroy and re-create it.
void keepOnTop(QWidget& mainWindow)
{
    const Qt::WindowFlags flags = mainWindow.windowFlags() | Qt::WindowStaysOnTopHint;
    mainWindow.overrideWindowFlags(flags);
    if (QWindow* window = mainWindow.windowHandle())
        window->setFlags(flags);
}

#if QT_CONFIG(xcb)

xcb_connection_t* x11Connection()
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// X11 requests wait in the connection's buffer until something flushes it; a
// timer step is not followed by a flush, so they would wait for the next input
// event.
void sendPendingRequests()
{
    if (xcb_connection_t* connection = x11Connection())
        xcb_flush(connection);
}

using Tree = std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)>;

Tree queryTree(xcb_connection_t* connection, xcb_window_t window)
{
    return Tree(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
}

void raiseToTop(xcb_connection_t* connection, xcb_window_t window)
{
    const uint32_t values[] = { XCB_STACK_MODE_ABOVE };
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_STACK_MODE, values);
}

void stackDirectlyBelow(xcb_connection_t* connection, xcb_window_t window, xcb_window_t sibling)
{
    const uint32_t values[] = { sibling, XCB_STACK_MODE_BELOW };
    xcb_configure_window(
        connection, window, XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values);
}

// The native windows of the panel's other shown windows, tooltips and menus
// included, as Qt has them now: Qt re-creates a tooltip's native window
// without telling its widget.
QList<xcb_window_t> otherPanelWindows(const QWidget& mainWindow)
{
    QList<xcb_window_t> windows;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window != &mainWindow && window->isVisible() && window->windowHandle())
            windows.append(static_cast<xcb_window_t>(window->windowHandle()->winId()));
    return windows;
}

// With no window manager the X server stacks the windows exactly as asked, and
// nothing keeps the panel's other windows, tooltips and menus over the main
// window. They go to the top in their present order, and the main window goes
// directly below the lowest of them: above every other program's window, yet
// covering none of the panel's, not even for a moment. False when a window
// manager has framed the main window; it then keeps owned windows above their
// owner itself.
bool stackOnBareX11(const QWidget& mainWindow)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !mainWindow.windowHandle())
        return false;
    const auto mainId = static_cast<xcb_window_t>(mainWindow.windowHandle()->winId());
    const Tree mainTree = queryTree(connection, mainId);
    if (!mainTree || mainTree->parent != mainTree->root)
        return false;
    const Tree rootTree = queryTree(connection, mainTree->root);
    if (!rootTree)
        return false;

    const QList<xcb_window_t> others = otherPanelWindows(mainWindow);
    QList<xcb_window_t> othersBottomFirst;
    const xcb_window_t* children = xcb_query_tree_children(rootTree.get());
    for (int i = 0; i < xcb_query_tree_children_length(rootTree.get()); ++i)
        if (others.contains(children[i]))
            othersBottomFirst.append(children[i]);

    for (const xcb_window_t id : othersBottomFirst)
        raiseToTop(connection, id);
    if (othersBottomFirst.isEmpty())
        raiseToTop(connection, mainId);
    else
        stackDirectlyBelow(connection, mainId, othersBottomFirst.first());
    sendPendingRequests();
    return true;
}

#endif

} // namespace

void QtWindowStacking::stackingStep(QWidget& mainWindow)
{
    if (!mainWindow.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        keepOnTop(mainWindow);
#if QT_CONFIG(xcb)
    if (stackOnBareX11(mainWindow))
        return;
#endif
    mainWindow.raise();
#if QT_CONFIG(xcb)
    sendPendingRequests();
#endif
}
