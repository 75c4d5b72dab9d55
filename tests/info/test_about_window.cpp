#include "fakes/fake_platform.h"
#include "flash_probe.h"
#include "info/QUORLIN_ABOUT.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "maker_details.h"

#include <QtTest>

namespace {

FlashProbe<QUORLIN_ABOUT> probe(QUORLIN_ABOUT& w)
{
    using W = QUORLIN_ABOUT;
    return { w,
        { &W::DONATION_BUTTON_1_TIMER, &W::DONATION_BUTTON_2_TIMER, &W::DONATION_BUTTON_3_TIMER,
            &W::DONATION_BUTTON_4_TIMER, &W::DONATION_BUTTON_5_TIMER },
        { &W::DONATION_BUTTON_1_TIMER_Timer, &W::DONATION_BUTTON_2_TIMER_Timer,
            &W::DONATION_BUTTON_3_TIMER_Timer, &W::DONATION_BUTTON_4_TIMER_Timer,
            &W::DONATION_BUTTON_5_TIMER_Timer } };
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void flashing_data() { addFlashSequenceRows(); }
    void flashing();
    void creatorDoubleClick();
    void positionStored_data();
    void positionStored();
    void donationsButtonOpensDonationsModally();
};

void TestAboutWindow::controls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("foreground"); // invalid: the platform's own
    QTest::addColumn<QColor>("background");

    const QColor green(0, 255, 0), black(0, 0, 0);
    QTest::newRow("brand") << "KD_TITLE_1"
                           << "KALDERA" << green << black;
    QTest::newRow("product") << "KD_TITLE_3"
                             << "QUORLIN" << green << black;
    QTest::newRow("short form") << "KD_TITLE_2"
                                << "KD-QN" << green << black;
    QTest::newRow("creator") << "CREATOR_TEXTBOX"
                             << "Created By Tovek88" << green << black;
    QTest::newRow("version") << "VERSION_TEXTBOX"
                             << "Version 1.0" << green << black;
    QTest::newRow("origin") << "ORIGIN_TITLE"
                            << "QUORLIN IS A \"CACS\" (COPY AND CODE STRIP) OF HALCYRA V1" << black
                            << QColor(255, 128, 255);
    QTest::newRow("donations") << "DONATIONS_BUTTON"
                               << "!!! DONATIONS ALWAYS APPRECIATED !!!" << QColor() << QColor();
    QTest::newRow("ok") << "OK_BUTTON"
                        << "OK" << QColor() << QColor();
}

void TestAboutWindow::controls()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);

    TestContext t;
    QUORLIN_ABOUT window(t.context);
    QCOMPARE(window.windowTitle(), QStringLiteral("QUORLIN - ABOUT"));
    const QWidget* widget = window.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
    if (foreground.isValid()) {
        QCOMPARE(widget->palette().color(QPalette::WindowText), foreground);
        QCOMPARE(widget->palette().color(QPalette::Window), background);
        QVERIFY(widget->autoFillBackground());
    }
}

void TestAboutWindow::flashing()
{
    TestContext t;
    QUORLIN_ABOUT window(t.context);
    checkFlashSequence(
        window, probe(window), [&] { return window.DONATIONS_BACK_TEXTBOX->palette().color(QPalette::Base); },
        QLineEdit().palette().color(QPalette::Base));
}

void TestAboutWindow::creatorDoubleClick()
{
    TestContext t;
    {
        QUORLIN_ABOUT window(t.context);
        for (int i = 0; i < 2; ++i) {
            QTest::mouseDClick(window.CREATOR_TEXTBOX, Qt::LeftButton);
            QCOMPARE(window.CREATOR_TEXTBOX->text(), maker::kEmail);
        }
    }
    QUORLIN_ABOUT reopened(t.context);
    QCOMPARE(reopened.CREATOR_TEXTBOX->text(), QStringLiteral("Created By Tovek88"));
}

void TestAboutWindow::positionStored_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<QStringList>("writtenKeys");

    const QString left = QStringLiteral("ABOUT_Left"), top = QStringLiteral("ABOUT_Top");
    QTest::newRow("OK") << true << QStringList { left, top, left, top };
    QTest::newRow("close box") << false << QStringList { left, top };
}

void TestAboutWindow::positionStored()
{
    QFETCH(bool, byOk);
    QFETCH(QStringList, writtenKeys);

    TestContext t;
    {
        QUORLIN_ABOUT window(t.context);
        QCOMPARE(window.pos(), QPoint(67, 67)); // 1000 twips
        window.show();
        window.resize(700, 300);
        window.move(120, 90);
        if (byOk)
            QTest::mouseClick(window.OK_BUTTON, Qt::LeftButton);
        else
            window.close();
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(t.fakes.settings.writtenKeys, writtenKeys);
    QCOMPARE(t.fakes.stored(QStringLiteral("ABOUT_Left")), QStringLiteral("1800"));
    QCOMPARE(t.fakes.stored(QStringLiteral("ABOUT_Top")), QStringLiteral("1350"));

    // The new place, the default size: a 9345 by 2940 twips frame around the designed client area.
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
        checked = true;
        donations->OK_BUTTON->click();
    });
    QTest::mouseClick(window.DONATIONS_BUTTON, Qt::LeftButton);
    QTRY_VERIFY(checked);
    QCOMPARE(t.fakes.settings.writtenKeys.first(), QStringLiteral("DONATIONS_WINDOW-Left"));
    QVERIFY(window.isVisible());
    QCOMPARE(probe(window).enabledTimers().size(), 1);
}

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
