#include "core/app_context.h"
#include "node_control/QUORLIN_MAIN.h"
#include "platform/system_platform.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Forms ask for the classic dialog font; where it is missing, a narrow sans
    // keeps their captions inside their controls.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    SystemPlatform system;
    AppContext context(system.platform());

    QUORLIN_MAIN mainWindow(context);
    // Unloading the main window ends the program, whichever way it closes.
    QObject::connect(&mainWindow, &QDialog::finished, &app, &QApplication::quit);
    mainWindow.show();
    return app.exec();
}
