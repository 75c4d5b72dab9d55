#include "window_stacking_qt.h"

#include <QWidget>

void QtWindowStacking::stackingStep(QWidget& mainWindow)
{
    if (mainWindow.isActiveWindow())
        return;
    if (!mainWindow.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing the flags re-creates the native window, which hides it.
        mainWindow.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        mainWindow.show();
    }
    mainWindow.raise();
}
