#include "fakes/fake_platform.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void firstRun();
};

void TestMainWindow::firstRun()
{
    TestContext t;
    QUORLIN_MAIN window(t.context);
    QCOMPARE(window.windowTitle(), QStringLiteral("QUORLIN - "));
    QCOMPARE(window.AlwaysOnTop_TICKBOX, 1);
    QVERIFY(window.AlwaysOnTopTimer.isActive());
    QCOMPARE(window.MULTI_PROCESS_WATCHER_TIMER.interval(), 250);
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
