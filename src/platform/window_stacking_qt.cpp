#include "window_stacking_qt.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace {

// A window the main window owns (a settings window opened from it) is in
// front: raising the main window would cover the window the user works in.
bool ownedWindowInFront(const QWidget& mainWindow)
{
    const QWidget* active = QApplication::activeWindow();
    if (!active || active == &mainWindow)
        return false;
    for (const QWidget* window = active->parentWidget(); window; window = window->parentWidget())
        if (window == &mainWindow)
            return true;
    return false;
}

// The stays-on-top state, set on the existing native window. QWidget's own
// setWindowFlag would destroy and re-create it.
void keepOnTop(QWidget& mainWindow)
{
    const Qt::WindowFlags flags = mainWindow.windowFlags() | Qt::WindowStaysOnTopHint;
    mainWindow.overrideWindowFlags(flags);
    if (QWindow* window = mainWindow.windowHandle())
        window->setFlags(flags);
}

// X11 requests wait in the connection's buffer until something flushes it; a
// timer step is not followed by a flush, so the raise would wait for the next
// input event.
void sendPendingRequests()
{
#if QT_CONFIG(xcb)
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr)
        xcb_flush(connection);
#endif
}

} // namespace

void QtWindowStacking::stackingStep(QWidget& mainWindow)
{
    if (ownedWindowInFront(mainWindow))
        return;
    if (!mainWindow.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        keepOnTop(mainWindow);
    mainWindow.raise();
    sendPendingRequests();
}
