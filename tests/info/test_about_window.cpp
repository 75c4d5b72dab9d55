#include "fakes/fake_platform.h"
#include "flash_probe.h"
#include "info/QUORLIN_ABOUT.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "maker_details.h"

#include <QtTest>

namespace {

FlashProbe<QUORLIN_ABOUT> probe(QUORLIN_ABOUT& window)
{
    return { window,
        { &QUORLIN_ABOUT::DONATION_BUTTON_1_TIMER, &QUORLIN_ABOUT::DONATION_BUTTON_2_TIMER,
            &QUORLIN_ABOUT::DONATION_BUTTON_3_TIMER, &QUORLIN_ABOUT::DONATION_BUTTON_4_TIMER,
            &QUORLIN_ABOUT::DONATION_BUTTON_5_TIMER },
        { &QUORLIN_ABOUT::DONATION_BUTTON_1_TIMER_Timer, &QUORLIN_ABOUT::DONATION_BUTTON_2_TIMER_Timer,
            &QUORLIN_ABOUT::DONATION_BUTTON_3_TIMER_Timer, &QUORLIN_ABOUT::DONATION_BUTTON_4_TIMER_Timer,
            &QUORLIN_ABOUT::DONATION_BUTTON_5_TIMER_Timer } };
}

QColor frameColour(const QUORLIN_ABOUT& window)
{
    return window.DONATIONS_BACK_TEXTBOX->palette().color(QPalette::Base);
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void colours();
    void opening();
    void flashing_data();
    void flashing();
    void creatorDoubleClick();
    void positionStored_data();
    void positionStored();
    void donationsButtonOpensDonationsModally();
};

void TestAboutWindow::texts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::newRow("brand") << "KD_TITLE_1"
                           << "KALDERA";
    QTest::newRow("product") << "KD_TITLE_3"
                             << "QUORLIN";
    QTest::newRow("short form") << "KD_TITLE_2"
                                << "KD-QN";
    QTest::newRow("creator") << "CREATOR_TEXTBOX"
                             << "Created By Tovek88";
    QTest::newRow("version") << "VERSION_TEXTBOX"
                             << "Version 1.0";
    QTest::newRow("origin") << "ORIGIN_TITLE"
                            << "QUORLIN IS A \"CACS\" (COPY AND CODE STRIP) OF HALCYRA V1";
    QTest::newRow("donations") << "DONATIONS_BUTTON"
                               << "!!! DONATIONS ALWAYS APPRECIATED !!!";
    QTest::newRow("ok") << "OK_BUTTON"
                        << "OK";
}

void TestAboutWindow::texts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);

    TestContext t;
    QUORLIN_ABOUT window(t.context);
    QCOMPARE(window.windowTitle(), QStringLiteral("QUORLIN - ABOUT"));
    const QWidget* widget = window.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
}

void TestAboutWindow::colours()
{
    TestContext t;
    QUORLIN_ABOUT window(t.context);
    for (const QLabel* label : { window.KD_TITLE_1, window.KD_TITLE_3, window.KD_TITLE_2,
             window.CREATOR_TEXTBOX, window.VERSION_TEXTBOX }) {
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 0, 0));
        QVERIFY(label->autoFillBackground());
    }
    QCOMPARE(window.ORIGIN_TITLE->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(window.ORIGIN_TITLE->palette().color(QPalette::Window), QColor(255, 128, 255));
}

void TestAboutWindow::opening()
{
    TestContext t;
    QUORLIN_ABOUT window(t.context);
    auto flash = probe(window);
    QCOMPARE(flash.enabledTimers(), QList<int> { 1 });
    for (QTimer QUORLIN_ABOUT::*timer : flash.timers)
        QCOMPARE((window.*timer).interval(), 200);
    // Until the first tick the frame has a text box's ordinary background.
    QCOMPARE(frameColour(window), QLineEdit().palette().color(QPalette::Base));
}

void TestAboutWindow::flashing_data()
{
    addFlashSequenceRows();
}

void TestAboutWindow::flashing()
{
    QFETCH(int, ticks);
    QFETCH(QColor, colour);
    QFETCH(int, enabledTimer);

    TestContext t;
    QUORLIN_ABOUT window(t.context);
    auto flash = probe(window);
    for (int i = 0; i < ticks; ++i) {
        flash.tick();
        QCOMPARE(flash.enabledTimers().size(), 1);
    }
    QCOMPARE(frameColour(window), colour);
    QCOMPARE(flash.enabledTimers(), QList<int> { enabledTimer });
}

void TestAboutWindow::creatorDoubleClick()
{
    TestContext t;
    {
        QUORLIN_ABOUT window(t.context);
        QTest::mouseDClick(window.CREATOR_TEXTBOX, Qt::LeftButton);
        QCOMPARE(window.CREATOR_TEXTBOX->text(), maker::kEmail);
        QTest::mouseDClick(window.CREATOR_TEXTBOX, Qt::LeftButton);
        QCOMPARE(window.CREATOR_TEXTBOX->text(), maker::kEmail);
        window.OK_BUTTON->click();
    }
    QUORLIN_ABOUT reopened(t.context);
    QCOMPARE(reopened.CREATOR_TEXTBOX->text(), QStringLiteral("Created By Tovek88"));
}

void TestAboutWindow::positionStored_data()
{
    QTest::addColumn<QString>("closedBy");
    QTest::addColumn<QStringList>("writtenKeys");

    const QString left = QStringLiteral("ABOUT_Left");
    const QString top = QStringLiteral("ABOUT_Top");
    QTest::newRow("OK") << "OK" << QStringList { left, top, left, top };
    QTest::newRow("close box") << "close box" << QStringList { left, top };
}

void TestAboutWindow::positionStored()
{
    QFETCH(QString, closedBy);
    QFETCH(QStringList, writtenKeys);

    TestContext t;
    {
        QUORLIN_ABOUT window(t.context);
        QCOMPARE(window.pos(), QPoint(67, 67)); // 1000 twips
        window.show();
        window.resize(700, 300);
        window.move(120, 90);
        if (closedBy == QLatin1String("OK"))
            QTest::mouseClick(window.OK_BUTTON, Qt::LeftButton);
        else
            window.close();
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(t.fakes.settings.writtenKeys, writtenKeys);
    QCOMPARE(t.fakes.stored(QStringLiteral("ABOUT_Left")), QStringLiteral("1800"));
    QCOMPARE(t.fakes.stored(QStringLiteral("ABOUT_Top")), QStringLiteral("1350"));

    // Reopened at the new place with the default size: an outer frame of
    // 9345 by 2940 twips around the designed client area.
    QUORLIN_ABOUT reopened(t.context);
    QCOMPARE(reopened.pos(), QPoint(120, 90));
    QCOMPARE(reopened.size(), QSize(617, 171));
}

void TestAboutWindow::donationsButtonOpensDonationsModally()
{
    TestContext t;
    QUORLIN_ABOUT window(t.context);
    window.show();

    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* donations = qobject_cast<TOVEK88_KALDERA_DONATIONS_WINDOW*>(QApplication::activeModalWidget());
        QVERIFY(donations);
        QCOMPARE(donations->parentWidget(), &window);
        QVERIFY(donations->isModal());
        checked = true;
        donations->OK_BUTTON->click();
    });
    QTest::mouseClick(window.DONATIONS_BUTTON, Qt::LeftButton);
    QTRY_VERIFY(checked);

    // The donations window stored its own position; this one is still open.
    QCOMPARE(t.fakes.settings.writtenKeys.first(), QStringLiteral("DONATIONS_WINDOW-Left"));
    QVERIFY(!t.fakes.settings.writtenKeys.contains(QStringLiteral("ABOUT_Left")));
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
