#include "window_stacking_qt.h"

#include <QApplication>
#include <QWidget>

namespace {

// The main window counts as in front while it, or a window it owns (a settings
// window opened from it), is the active window: raising the main window then
// would cover the window the user works in.
bool mainWindowInFront(const QWidget& mainWindow)
{
    for (const QWidget* window = QApplication::activeWindow(); window; window = window->parentWidget())
        if (window == &mainWindow)
            return true;
    return false;
}

} // namespace

void QtWindowStacking::stackingStep(QWidget& mainWindow)
{
    if (mainWindowInFront(mainWindow))
        return;
    if (!mainWindow.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing the flags re-creates the native window, which hides it.
        mainWindow.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        mainWindow.show();
    }
    mainWindow.raise();
}
