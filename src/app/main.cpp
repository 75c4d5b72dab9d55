#include "core/app_context.h"
#include "core/look.h"
#include "node_control/QUORLIN_MAIN.h"
#include "platform/system_platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    applyLook();
    SystemPlatform system;
    AppContext context(system.platform());

    QUORLIN_MAIN mainWindow(context);
    // Unloading the main window ends the program, whichever way it closes.
    QObject::connect(&mainWindow, &QDialog::finished, &app, &QApplication::quit);
    mainWindow.show();
    return app.exec();
}
