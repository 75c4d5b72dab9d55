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
        const auto stepWithActive = [&](QDialog& active) {
            active.show();
            active.activateWindow();
            const bool isActive = QTest::qWaitForWindowActive(&active);
            stacking.stackingStep(main);
            return isActive;
        };
        QVERIFY(stepWithActive(main));
        QVERIFY(!main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(stepWithActive(settings));
        QVERIFY(!main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        QVERIFY(stepWithActive(other));
        QVERIFY(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(main.isVisible());
        QCOMPARE(main.pos(), QPoint(120, 90));
        QVERIFY(stepWithActive(main));
        QVERIFY(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }
};

QTEST_MAIN(TestWindowStacking)
#include "test_window_stacking.moc"
