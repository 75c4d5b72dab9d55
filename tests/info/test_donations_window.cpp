#include "fakes/fake_platform.h"
#include "flash_probe.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "maker_details.h"

#include <QClipboard>
#include <QtTest>

namespace {

using Window = TOVEK88_KALDERA_DONATIONS_WINDOW;

FlashProbe<Window> probe(Window& w)
{
    return { w,
        { &Window::DONATION_TEXT_1_TIMER, &Window::DONATION_TEXT_2_TIMER, &Window::DONATION_TEXT_3_TIMER,
            &Window::DONATION_TEXT_4_TIMER, &Window::DONATION_TEXT_5_TIMER },
        { &Window::DONATION_TEXT_1_TIMER_Timer, &Window::DONATION_TEXT_2_TIMER_Timer,
            &Window::DONATION_TEXT_3_TIMER_Timer, &Window::DONATION_TEXT_4_TIMER_Timer,
            &Window::DONATION_TEXT_5_TIMER_Timer } };
}

const QColor kBlack(0, 0, 0), kGreen(0, 255, 0), kLightYellow(255, 255, 192), kLightMagenta(255, 128, 255);
const QStringList kCoins { "BTC", "NMC", "LTC", "DASH", "VTC" };

QColor messageColour(const Window& window)
{
    return window.THANKS_DONATIONS_MESSAGE_TEXTBOX->palette().color(QPalette::Text);
}

QLineEdit* addressBox(Window& window, const QString& coin)
{
    return window.findChild<QLineEdit*>(coin + QStringLiteral("_DONATION_ADDRESS_TEXTBOX"));
}

// "resting" or "marked", as the box's colours show it.
QString addressState(const QLineEdit& box)
{
    const QColor text = box.palette().color(QPalette::Text), back = box.palette().color(QPalette::Base);
    if (text == kBlack && back == kLightYellow)
        return QStringLiteral("resting");
    return text == kBlack && back == kLightMagenta ? QStringLiteral("marked") : text.name() + back.name();
}

// Shows the window as the active one, so the focus moves between its boxes.
bool showActive(Window& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class TestDonationsWindow : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void flashing_data() { addFlashSequenceRows(); }
    void flashing();
    void stopAndRestart_data();
    void stopAndRestart();
    void doubleClickBeforeFirstTick();
    void markAndRest_data();
    void markAndRest();
    void lostFocusReasons_data();
    void lostFocusReasons();
    void doubleClicks(); // the creator text, and nothing on the clipboard
    void positionStored_data();
    void positionStored();
};

void TestDonationsWindow::controls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<QColor>("background");

    QTest::newRow("brand") << "KD_TITLE_TEXTBOX"
                           << "KALDERA\r\n SOFTWARE" << kGreen << kBlack;
    QTest::newRow("web site") << "KD_WEBSITE_TEXTBOX" << maker::kWebSite << kGreen << kBlack;
    QTest::newRow("creator") << "CREATOR_TEXTBOX"
                             << "Created By Tovek88" << kGreen << kBlack;
    QTest::newRow("message") << "THANKS_DONATIONS_MESSAGE_TEXTBOX"
                             << "!!! DONATIONS ALWAYS APPRECIATED !!!" << kBlack << QColor(128, 255, 128);
    const QString addresses[] { maker::kBtcDonationAddress, maker::kNmcDonationAddress,
        maker::kLtcDonationAddress, maker::kDashDonationAddress, maker::kVtcDonationAddress };
    for (int i = 0; i < kCoins.size(); ++i) {
        QTest::addRow("%s label", qPrintable(kCoins[i]))
            << kCoins[i] + "_NAME_LABEL" << kCoins[i] << kBlack << kLightYellow;
        QTest::addRow("%s address", qPrintable(kCoins[i]))
            << kCoins[i] + "_DONATION_ADDRESS_TEXTBOX" << addresses[i] << kBlack << kLightYellow;
    }
    QTest::newRow("closing line") << "THANKS_KALDERA_SOFTWARE_TEXTBOX"
                                  << "Thanks for using Kaldera Software !!! :)" << kGreen << kBlack;
    QTest::newRow("hint") << "DOUBLE_CLICK_MESSAGE_TEXTBOX"
                          << "!!! DOUBLE-CLICK AN ADDRESS TO COPY TO CLIPBOARD !!!" << QColor(255, 0, 255)
                          << QColor(192, 255, 255);
}

void TestDonationsWindow::controls()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);

    TestContext t;
    Window window(t.context);
    QCOMPARE(
        window.windowTitle(), QStringLiteral("!!! DONATIONS ALWAYS APPRECIATED - Tovek88 - Kaldera !!! :)"));
    const QWidget* widget = window.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
    const auto* box = qobject_cast<const QLineEdit*>(widget);
    QCOMPARE(widget->palette().color(box ? QPalette::Text : QPalette::WindowText), foreground);
    QCOMPARE(widget->palette().color(box ? QPalette::Base : QPalette::Window), background);
    if (box) {
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->alignment(), Qt::AlignCenter);
    }
    QVERIFY(window.OK_BUTTON->isDefault());
    // At the stored outer height of 6330 twips the hint line lies below the visible area.
    QCOMPARE(window.size(), QSize(586, 397));
    QVERIFY(window.rect().contains(window.OK_BUTTON->geometry()));
    QVERIFY(!window.rect().intersects(window.DOUBLE_CLICK_MESSAGE_TEXTBOX->geometry()));
}

void TestDonationsWindow::flashing()
{
    TestContext t;
    Window window(t.context);
    checkFlashSequence(
        window, probe(window), [&] { return messageColour(window); }, kBlack);
}

void TestDonationsWindow::stopAndRestart_data()
{
    QTest::addColumn<int>("ticksBeforeStop");
    for (int ticks = 1; ticks <= 6; ++ticks)
        QTest::addRow("stopped after %d steps", ticks) << ticks;
}

void TestDonationsWindow::stopAndRestart()
{
    QFETCH(int, ticksBeforeStop);

    TestContext t;
    Window window(t.context);
    auto flash = probe(window);
    for (int i = 0; i < ticksBeforeStop; ++i)
        flash.tick();

    QTest::mouseDClick(window.THANKS_DONATIONS_MESSAGE_TEXTBOX, Qt::LeftButton);
    QCOMPARE(flash.enabledTimers(), QList<int> {});
    QCOMPARE(messageColour(window), kBlack);

    QTest::mouseDClick(window.THANKS_DONATIONS_MESSAGE_TEXTBOX, Qt::LeftButton);
    QCOMPARE(flash.enabledTimers(), QList<int> { 1 });
    QCOMPARE(messageColour(window), kBlack);
    flash.tick();
    QCOMPARE(messageColour(window), kGreen);
    QCOMPARE(flash.enabledTimers(), QList<int> { 2 });
}

void TestDonationsWindow::doubleClickBeforeFirstTick()
{
    TestContext t;
    Window window(t.context);
    auto flash = probe(window);
    // No events run while the test sleeps, so nothing ticks; a restarted
    // timer would have its full 200 ms to go again.
    QTest::qSleep(50);
    const int remaining = window.DONATION_TEXT_1_TIMER.remainingTime();
    QTest::qSleep(50);

    QTest::mouseDClick(window.THANKS_DONATIONS_MESSAGE_TEXTBOX, Qt::LeftButton);
    QCOMPARE(flash.enabledTimers(), QList<int> { 1 });
    QVERIFY(window.DONATION_TEXT_1_TIMER.remainingTime() <= remaining);
    QCOMPARE(messageColour(window), kBlack);
    flash.tick();
    QCOMPARE(messageColour(window), kGreen);
}

void TestDonationsWindow::markAndRest_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("clickedNext");
    for (int i = 0; i < kCoins.size(); ++i) {
        const QString next = kCoins[(i + 1) % kCoins.size()];
        QTest::addRow("%s then %s", qPrintable(kCoins[i]), qPrintable(next)) << kCoins[i] << next;
    }
    QTest::newRow("LTC then NMC") << "LTC"
                                  << "NMC";
}

void TestDonationsWindow::markAndRest()
{
    QFETCH(QString, marked);
    QFETCH(QString, clickedNext);

    TestContext t;
    Window window(t.context);
    QVERIFY(showActive(window));
    QLineEdit* box = addressBox(window, marked);

    QTest::mouseDClick(box, Qt::LeftButton);
    for (const QString& coin : kCoins)
        QCOMPARE(addressState(*addressBox(window, coin)), coin == marked ? "marked" : "resting");
    // The box's own double-click still selects the word under the mouse.
    QVERIFY(box->hasFocus());
    QVERIFY(box->text().split(u' ').contains(box->selectedText()));

    QTest::mouseClick(addressBox(window, clickedNext), Qt::LeftButton);
    QVERIFY(addressBox(window, clickedNext)->hasFocus());
    for (const QString& coin : kCoins)
        QCOMPARE(addressState(*addressBox(window, coin)), QStringLiteral("resting"));
}

void TestDonationsWindow::lostFocusReasons_data()
{
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<QString>("state");

    QTest::newRow("mouse into another box") << Qt::MouseFocusReason << "resting";
    QTest::newRow("tab to the next control") << Qt::TabFocusReason << "resting";
    QTest::newRow("context menu") << Qt::PopupFocusReason << "marked";
    QTest::newRow("another program's window") << Qt::ActiveWindowFocusReason << "marked";
}

void TestDonationsWindow::lostFocusReasons()
{
    QFETCH(Qt::FocusReason, reason);
    QFETCH(QString, state);

    TestContext t;
    Window window(t.context);
    QTest::mouseDClick(window.DASH_DONATION_ADDRESS_TEXTBOX, Qt::LeftButton);
    QFocusEvent focusOut(QEvent::FocusOut, reason);
    QApplication::sendEvent(window.DASH_DONATION_ADDRESS_TEXTBOX, &focusOut);
    QCOMPARE(addressState(*window.DASH_DONATION_ADDRESS_TEXTBOX), state);
}

void TestDonationsWindow::doubleClicks()
{
    TestContext t;
    {
        Window window(t.context);
        QVERIFY(showActive(window));
        const QString before = QStringLiteral("clipboard before the double-clicks");
        QGuiApplication::clipboard()->setText(before);

        for (int i = 0; i < 2; ++i) {
            QTest::mouseDClick(window.CREATOR_TEXTBOX, Qt::LeftButton);
            QCOMPARE(window.CREATOR_TEXTBOX->text(), maker::kEmail);
        }
        QTest::mouseDClick(window.THANKS_DONATIONS_MESSAGE_TEXTBOX, Qt::LeftButton);
        for (const QString& coin : kCoins)
            QTest::mouseDClick(addressBox(window, coin), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), before);
    }
    // Every opening starts afresh.
    Window reopened(t.context);
    QCOMPARE(reopened.CREATOR_TEXTBOX->text(), QStringLiteral("Created By Tovek88"));
    QCOMPARE(probe(reopened).enabledTimers(), QList<int> { 1 });
}

void TestDonationsWindow::positionStored_data()
{
    QTest::addColumn<QString>("closedBy");
    QTest::addColumn<QStringList>("writtenKeys");

    const QString left = QStringLiteral("DONATIONS_WINDOW-Left"),
                  top = QStringLiteral("DONATIONS_WINDOW-Top");
    QTest::newRow("OK") << "OK" << QStringList { left, top, left, top };
    QTest::newRow("Enter in an address box") << "Enter" << QStringList { left, top, left, top };
    QTest::newRow("close box") << "close box" << QStringList { left, top };
}

void TestDonationsWindow::positionStored()
{
    QFETCH(QString, closedBy);
    QFETCH(QStringList, writtenKeys);

    TestContext t;
    t.fakes.store(QStringLiteral("DONATIONS_WINDOW-Left"), QStringLiteral("3000"));
    t.fakes.store(QStringLiteral("DONATIONS_WINDOW-Top"), QStringLiteral("1500"));
    {
        Window window(t.context);
        QCOMPARE(window.pos(), QPoint(200, 100));
        QVERIFY(showActive(window));
        window.resize(640, 500);
        window.move(150, 45);
        if (closedBy == QLatin1String("OK")) {
            QTest::mouseClick(window.OK_BUTTON, Qt::LeftButton);
        } else if (closedBy == QLatin1String("Enter")) {
            window.BTC_DONATION_ADDRESS_TEXTBOX->setFocus();
            QTest::keyClick(window.BTC_DONATION_ADDRESS_TEXTBOX, Qt::Key_Return);
        } else {
            window.close();
        }
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(t.fakes.settings.writtenKeys, writtenKeys);
    QCOMPARE(t.fakes.stored(QStringLiteral("DONATIONS_WINDOW-Left")), QStringLiteral("2250"));
    QCOMPARE(t.fakes.stored(QStringLiteral("DONATIONS_WINDOW-Top")), QStringLiteral("675"));

    Window reopened(t.context);
    QCOMPARE(reopened.pos(), QPoint(150, 45));
    QCOMPARE(reopened.size(), QSize(586, 397));
}

QTEST_MAIN(TestDonationsWindow)
#include "test_donations_window.moc"
