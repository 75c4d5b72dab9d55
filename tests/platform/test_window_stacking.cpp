#include "platform/window_stacking_qt.h"

#include <QDialog>
#include <QtTest>

class TestWindowStacking : public QObject {
    Q_OBJECT

private slots:
    void activeWindowIsLeftAlone();
    void ownedWindowInFrontIsLeftAlone();
    void otherWindowInFrontPutsMainOnTopForGood();
};

void TestWindowStacking::activeWindowIsLeftAlone()
{
    QDialog main;
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    QtWindowStacking stacking;
    stacking.stackingStep(main);
    QVERIFY(!main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestWindowStacking::ownedWindowInFrontIsLeftAlone()
{
    QDialog main;
    main.show();
    QDialog settings(&main);
    settings.show();
    settings.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&settings));

    QtWindowStacking stacking;
    stacking.stackingStep(main);
    QVERIFY(!main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestWindowStacking::otherWindowInFrontPutsMainOnTopForGood()
{
    QDialog main;
    main.move(120, 90);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QDialog other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    QtWindowStacking stacking;
    stacking.stackingStep(main);
    QVERIFY(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(main.isVisible());
    QCOMPARE(main.pos(), QPoint(120, 90));

    // Later steps keep the hint, also once the main window is in front.
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    stacking.stackingStep(main);
    QVERIFY(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

QTEST_MAIN(TestWindowStacking)
#include "test_window_stacking.moc"
