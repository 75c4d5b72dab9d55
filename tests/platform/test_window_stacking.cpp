#include "platform/window_stacking_qt.h"

#include <QDialog>
#include <QtTest>

class TestWindowStacking : public QObject {
    Q_OBJECT

private slots:
    // The main window or one it owns in front: nothing changes. Another window
    // in front: the main window stays on top from then on, where it was.
    void mainWindowGoesOnTopOnceAnotherIsInFront()
    {
        QDialog main;
        main.move(120, 90);
        QDialog settings(&main);
        QDialog other;
        QtWindowStacking stacking;
        for (auto [active, onTop] :
            { std::pair(&main, false), { &settings, false }, { &other, true }, { &main, true } }) {
            active->show();
            active->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(active));
            stacking.stackingStep(main);
            QCOMPARE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QCOMPARE(std::pair(main.isVisible(), main.pos()), std::pair(true, QPoint(120, 90)));
        }
    }
};

QTEST_MAIN(TestWindowStacking)
#include "test_window_stacking.moc"
