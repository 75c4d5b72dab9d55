#include "platform/window_stacking_qt.h"

#include <QDialog>
#include <QtTest>

class TestWindowStacking : public QObject {
    Q_OBJECT

private slots:
    // A window the main window owns in front: nothing changes. Any other, the
    // main window itself included: the main window stays on top from then on,
    // where it was, in the same native window.
    void mainWindowGoesOnTopUnlessItsOwnWindowIsInFront()
    {
        enum InFront { Main, Owned, Other };
        for (auto [inFront, onTop] : { std::pair(Owned, false), { Main, true }, { Other, true } }) {
            QDialog main;
            main.move(120, 90);
            main.show();
            const WId id = main.winId();
            QDialog owned(&main);
            QDialog other;
            QDialog* active = inFront == Main ? &main : inFront == Owned ? &owned : &other;
            active->show();
            active->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(active));
            QtWindowStacking().stackingStep(main);
            QCOMPARE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QCOMPARE(std::tuple(main.isVisible(), main.pos(), main.winId()),
                std::tuple(true, QPoint(120, 90), id));
        }
    }
};

QTEST_MAIN(TestWindowStacking)
#include "test_window_stacking.moc"
