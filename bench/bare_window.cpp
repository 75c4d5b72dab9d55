// A bare Qt Widgets window, the yardstick for the idle panel's CPU time,
// start-up and memory (scripts/measure-idle-cpu.sh runs both side by side).

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    window.resize(300, 120);
    window.show();
    return app.exec();
}
