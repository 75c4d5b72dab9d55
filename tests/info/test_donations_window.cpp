#include "fakes/fake_platform.h"
#include "flash_probe.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "maker_details.h"

#include <QClipboard>
#include <QtTest>

namespace {

using Window = TOVEK88_KALDERA_DONATIONS_WINDOW;

FlashProbe<Window> probe(Window& window)
{
    return { window,
        { &Window::DONATION_TEXT_1_TIMER, &Window::DONATION_TEXT_2_TIMER, &Window::DONATION_TEXT_3_TIMER,
            &Window::DONATION_TEXT_4_TIMER, &Window::DONATION_TEXT_5_TIMER },
        { &Window::DONATION_TEXT_1_TIMER_Timer, &Window::DONATION_TEXT_2_TIMER_Timer,
            &Window::DONATION_TEXT_3_TIMER_Timer, &Window::DONATION_TEXT_4_TIMER_Timer,
            &Window::DONATION_TEXT_5_TIMER_Timer } };
}

QColor messageColour(const Window& window)
{
    return window.THANKS_DONATIONS_MESSAGE_TEXTBOX->palette().color(QPalette::Text);
}

const QColor kBlack(0, 0, 0);
const QColor kLightYellow(255, 255, 192);
const QColor kLightMagenta(255, 128, 255);

// "resting" or "marked", as the box's colours show it.
QString addressState(const QLineEdit& box)
{
    const QPalette palette = box.palette();
    if (palette.color(QPalette::Text) != kBlack)
        return QStringLiteral("text not black");
    if (palette.color(QPalette::Base) == kLightYellow)
        return QStringLiteral("resting");
    if (palette.color(QPalette::Base) == kLightMagenta)
        return QStringLiteral("marked");
    return palette.color(QPalette::Base).name();
}

QLineEdit* addressBox(Window& window, const QString& coin)
{
    return window.findChild<QLineEdit*>(coin + QStringLiteral("_DONATION_ADDRESS_TEXTBOX"));
}

const QStringList kCoins { "BTC", "NMC", "LTC", "DASH", "VTC" };

// Shows the window and makes it the active one, so focus moves between its boxes.
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
    void texts_data();
    void texts();
    void look();
    void hintLineBelowVisibleArea();
    void flashing_data();
    void flashing();
    void stopAndRestart_data();
    void stopAndRestart();
    void doubleClickBeforeFirstTick();
    void markAndRest_data();
    void markAndRest();
    void lostFocusReasons_data();
    void lostFocusReasons();
    void nothingOnClipboard();
    void creatorDoubleClick();
    void positionStored_data();
    void positionStored();
};

void TestDonationsWindow::texts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::newRow("brand") << "KD_TITLE_TEXTBOX"
                           << "KALDERA\r\n SOFTWARE";
    QTest::newRow("web site") << "KD_WEBSITE_TEXTBOX" << maker::kWebSite;
    QTest::newRow("creator") << "CREATOR_TEXTBOX"
                             << "Created By Tovek88";
    QTest::newRow("message") << "THANKS_DONATIONS_MESSAGE_TEXTBOX"
                             << "!!! DONATIONS ALWAYS APPRECIATED !!!";
    QTest::newRow("BTC label") << "BTC_NAME_LABEL"
                               << "BTC";
    QTest::newRow("BTC address") << "BTC_DONATION_ADDRESS_TEXTBOX" << maker::kBtcDonationAddress;
    QTest::newRow("NMC label") << "NMC_NAME_LABEL"
                               << "NMC";
    QTest::newRow("NMC address") << "NMC_DONATION_ADDRESS_TEXTBOX" << maker::kNmcDonationAddress;
    QTest::newRow("LTC label") << "LTC_NAME_LABEL"
                               << "LTC";
    QTest::newRow("LTC address") << "LTC_DONATION_ADDRESS_TEXTBOX" << maker::kLtcDonationAddress;
    QTest::newRow("DASH label") << "DASH_NAME_LABEL"
                                << "DASH";
    QTest::newRow("DASH address") << "DASH_DONATION_ADDRESS_TEXTBOX" << maker::kDashDonationAddress;
    QTest::newRow("VTC label") << "VTC_NAME_LABEL"
                               << "VTC";
    QTest::newRow("VTC address") << "VTC_DONATION_ADDRESS_TEXTBOX" << maker::kVtcDonationAddress;
    QTest::newRow("closing line") << "THANKS_KALDERA_SOFTWARE_TEXTBOX"
                                  << "Thanks for using Kaldera Software !!! :)";
    QTest::newRow("hint") << "DOUBLE_CLICK_MESSAGE_TEXTBOX"
                          << "!!! DOUBLE-CLICK AN ADDRESS TO COPY TO CLIPBOARD !!!";
    QTest::newRow("ok") << "OK_BUTTON"
                        << "OK";
}

void TestDonationsWindow::texts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);

    TestContext t;
    Window window(t.context);
    QCOMPARE(
        window.windowTitle(), QStringLiteral("!!! DONATIONS ALWAYS APPRECIATED - Tovek88 - Kaldera !!! :)"));
    const QWidget* widget = window.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
    if (auto* box = qobject_cast<const QLineEdit*>(widget)) {
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->alignment(), Qt::AlignCenter);
    }
}

void TestDonationsWindow::look()
{
    TestContext t;
    Window window(t.context);
    QCOMPARE(messageColour(window), kBlack);
    QCOMPARE(window.THANKS_DONATIONS_MESSAGE_TEXTBOX->palette().color(QPalette::Base), QColor(128, 255, 128));
    QCOMPARE(window.THANKS_DONATIONS_MESSAGE_TEXTBOX->toolTip(),
        QStringLiteral("!!! DOUBLE-CLICK TO STOP / START FLASHING TEXT !!!"));
    QCOMPARE(window.DOUBLE_CLICK_MESSAGE_TEXTBOX->palette().color(QPalette::Text), QColor(255, 0, 255));
    QCOMPARE(window.DOUBLE_CLICK_MESSAGE_TEXTBOX->palette().color(QPalette::Base), QColor(192, 255, 255));
    for (const QString& coin : kCoins) {
        QCOMPARE(addressState(*addressBox(window, coin)), QStringLiteral("resting"));
        const auto* label = window.findChild<QLabel*>(coin + QStringLiteral("_NAME_LABEL"));
        QCOMPARE(label->palette().color(QPalette::WindowText), kBlack);
        QCOMPARE(label->palette().color(QPalette::Window), kLightYellow);
    }
    QVERIFY(window.OK_BUTTON->isDefault());
}

void TestDonationsWindow::hintLineBelowVisibleArea()
{
    TestContext t;
    Window window(t.context);
    // The stored outer height of 6330 twips shows less than the designed client area.
    QCOMPARE(window.size(), QSize(586, 397));
    QVERIFY(window.rect().contains(window.OK_BUTTON->geometry()));
    QVERIFY(!window.rect().intersects(window.DOUBLE_CLICK_MESSAGE_TEXTBOX->geometry()));
}

void TestDonationsWindow::flashing_data()
{
    addFlashSequenceRows();
}

void TestDonationsWindow::flashing()
{
    QFETCH(int, ticks);
    QFETCH(QColor, colour);
    QFETCH(int, enabledTimer);

    TestContext t;
    Window window(t.context);
    auto flash = probe(window);
    QCOMPARE(flash.enabledTimers(), QList<int> { 1 });
    for (QTimer Window::*timer : flash.timers)
        QCOMPARE((window.*timer).interval(), 200);
    for (int i = 0; i < ticks; ++i) {
        flash.tick();
        QCOMPARE(flash.enabledTimers().size(), 1);
    }
    QCOMPARE(messageColour(window), colour);
    QCOMPARE(flash.enabledTimers(), QList<int> { enabledTimer });
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
    flash.tick();
    QCOMPARE(messageColour(window), kBlack);

    QTest::mouseDClick(window.THANKS_DONATIONS_MESSAGE_TEXTBOX, Qt::LeftButton);
    QCOMPARE(flash.enabledTimers(), QList<int> { 1 });
    QCOMPARE(messageColour(window), kBlack);
    flash.tick();
    QCOMPARE(messageColour(window), QColor(0, 255, 0));
    QCOMPARE(flash.enabledTimers(), QList<int> { 2 });
}

void TestDonationsWindow::doubleClickBeforeFirstTick()
{
    TestContext t;
    Window window(t.context);
    auto flash = probe(window);
    // No events run while the test sleeps, so no tick happens; a restarted
    // timer would have its full 200 ms to go again.
    QTest::qSleep(50);
    const int remaining = window.DONATION_TEXT_1_TIMER.remainingTime();
    QTest::qSleep(50);

    QTest::mouseDClick(window.THANKS_DONATIONS_MESSAGE_TEXTBOX, Qt::LeftButton);
    QCOMPARE(flash.enabledTimers(), QList<int> { 1 });
    QVERIFY(window.DONATION_TEXT_1_TIMER.remainingTime() <= remaining);
    QCOMPARE(messageColour(window), kBlack);
    flash.tick();
    QCOMPARE(messageColour(window), QColor(0, 255, 0));
}

void TestDonationsWindow::markAndRest_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("clickedNext");

    for (int i = 0; i < kCoins.size(); ++i)
        QTest::addRow("%s then %s", qPrintable(kCoins[i]), qPrintable(kCoins[(i + 1) % kCoins.size()]))
            << kCoins[i] << kCoins[(i + 1) % kCoins.size()];
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
    QLineEdit* next = addressBox(window, clickedNext);

    QTest::mouseDClick(box, Qt::LeftButton);
    for (const QString& coin : kCoins)
        QCOMPARE(addressState(*addressBox(window, coin)), coin == marked ? "marked" : "resting");
    // The box's own double-click still selects the word under the mouse.
    QVERIFY(box->hasFocus());
    QVERIFY(box->hasSelectedText());
    QVERIFY(box->text().split(u' ').contains(box->selectedText()));

    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(next->hasFocus());
    for (const QString& coin : kCoins)
        QCOMPARE(addressState(*addressBox(window, coin)), QStringLiteral("resting"));
}

void TestDonationsWindow::lostFocusReasons_data()
{
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<QString>("state");

    QTest::newRow("mouse into another box") << Qt::MouseFocusReason << "resting";
    QTest::newRow("tab to the next control") << Qt::TabFocusReason << "resting";
    QTest::newRow("backtab") << Qt::BacktabFocusReason << "resting";
    QTest::newRow("other") << Qt::OtherFocusReason << "resting";
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

void TestDonationsWindow::nothingOnClipboard()
{
    TestContext t;
    Window window(t.context);
    QVERIFY(showActive(window));
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString before = QStringLiteral("clipboard before the double-clicks");
    clipboard->setText(before);

    QList<QWidget*> controls { window.CREATOR_TEXTBOX, window.THANKS_DONATIONS_MESSAGE_TEXTBOX };
    for (const QString& coin : kCoins)
        controls.append(addressBox(window, coin));
    for (QWidget* control : controls)
        QTest::mouseDClick(control, Qt::LeftButton);

    QCOMPARE(clipboard->text(), before);
}

void TestDonationsWindow::creatorDoubleClick()
{
    TestContext t;
    {
        Window window(t.context);
        QTest::mouseDClick(window.CREATOR_TEXTBOX, Qt::LeftButton);
        QCOMPARE(window.CREATOR_TEXTBOX->text(), maker::kEmail);
        QTest::mouseDClick(window.CREATOR_TEXTBOX, Qt::LeftButton);
        QCOMPARE(window.CREATOR_TEXTBOX->text(), maker::kEmail);
    }
    Window reopened(t.context);
    QCOMPARE(reopened.CREATOR_TEXTBOX->text(), QStringLiteral("Created By Tovek88"));
    QCOMPARE(probe(reopened).enabledTimers(), QList<int> { 1 });
}

void TestDonationsWindow::positionStored_data()
{
    QTest::addColumn<QString>("closedBy");
    QTest::addColumn<QStringList>("writtenKeys");

    const QString left = QStringLiteral("DONATIONS_WINDOW-Left");
    const QString top = QStringLiteral("DONATIONS_WINDOW-Top");
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
