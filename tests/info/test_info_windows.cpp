#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "info/QUORLIN_ABOUT.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "maker_details.h"

#include <QClipboard>
#include <QtTest>

#include <array>
#include <memory>

namespace {

using About = QUORLIN_ABOUT;
using Donations = TOVEK88_KALDERA_DONATIONS_WINDOW;

// A window's five flashing timers; their handlers run here as the clock
// would run them, so no test waits.
template <class Window> struct Flash {
    Window& window;
    std::array<QTimer Window::*, 5> timers;
    std::array<const char*, 5> handlers; // private slots, run by name

    int enabledTimer() const // 1 to 5; 0 for none, -1 for more than one
    {
        int enabled = 0;
        for (int i = 0; i < 5; ++i) {
            if ((window.*timers[i]).isActive())
                enabled = enabled ? -1 : i + 1;
        }
        return enabled;
    }

    // Every 200 ms from now: the ordinary colour, then green, red, cyan,
    // magenta, yellow and round again.
    template <class Shown> void check(Shown shown, const QColor& ordinary)
    {
        const QColor colours[] { Qt::green, Qt::red, Qt::cyan, Qt::magenta, Qt::yellow };
        for (int step = 0; step <= 13; ++step) {
            QCOMPARE(shown(), step ? colours[(step - 1) % 5] : ordinary);
            QCOMPARE(enabledTimer(), step % 5 + 1);
            QCOMPARE((window.*timers[step % 5]).interval(), 200);
            QMetaObject::invokeMethod(&window, handlers[step % 5]);
        }
    }
};

Flash<About> flash(About& w)
{
    return { w,
        { &About::DONATION_BUTTON_1_TIMER, &About::DONATION_BUTTON_2_TIMER, &About::DONATION_BUTTON_3_TIMER,
            &About::DONATION_BUTTON_4_TIMER, &About::DONATION_BUTTON_5_TIMER },
        { "DONATION_BUTTON_1_TIMER_Timer", "DONATION_BUTTON_2_TIMER_Timer", "DONATION_BUTTON_3_TIMER_Timer",
            "DONATION_BUTTON_4_TIMER_Timer", "DONATION_BUTTON_5_TIMER_Timer" } };
}

Flash<Donations> flash(Donations& w)
{
    return { w,
        { &Donations::DONATION_TEXT_1_TIMER, &Donations::DONATION_TEXT_2_TIMER,
            &Donations::DONATION_TEXT_3_TIMER, &Donations::DONATION_TEXT_4_TIMER,
            &Donations::DONATION_TEXT_5_TIMER },
        { "DONATION_TEXT_1_TIMER_Timer", "DONATION_TEXT_2_TIMER_Timer", "DONATION_TEXT_3_TIMER_Timer",
            "DONATION_TEXT_4_TIMER_Timer", "DONATION_TEXT_5_TIMER_Timer" } };
}

QColor messageColour(const Donations& w)
{
    return ctl<QLineEdit>(w, "THANKS_DONATIONS_MESSAGE_TEXTBOX")->palette().color(QPalette::Text);
}

QList<QLineEdit*> addressBoxes(Donations& w)
{
    return { ctl<QLineEdit>(w, "BTC_DONATION_ADDRESS_TEXTBOX"),
        ctl<QLineEdit>(w, "NMC_DONATION_ADDRESS_TEXTBOX"), ctl<QLineEdit>(w, "LTC_DONATION_ADDRESS_TEXTBOX"),
        ctl<QLineEdit>(w, "DASH_DONATION_ADDRESS_TEXTBOX"),
        ctl<QLineEdit>(w, "VTC_DONATION_ADDRESS_TEXTBOX") };
}

// One letter per address box: m when marked (light magenta), r when resting (light yellow).
QString addressStates(Donations& w)
{
    QString states;
    for (const QLineEdit* box : addressBoxes(w)) {
        const QString back = box->palette().color(QPalette::Base).name();
        states += back == "#ff80ff" ? u'm' : back == "#ffffc0" ? u'r' : u'?';
    }
    return states;
}

// Shows the window as the active one, so the focus moves between its boxes.
bool showActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

private slots:
    void aboutFlashesAndOpensDonations();
    void flashStopAndRestart();
    void doubleClickBeforeFirstTick();
    void markAndRest();
    void reopening_data();
    void reopening();
};

void TestInfoWindows::aboutFlashesAndOpensDonations()
{
    TestContext t;
    About window(t.context);
    flash(window).check(
        [&] { return ctl<QLineEdit>(window, "DONATIONS_BACK_TEXTBOX")->palette().color(QPalette::Base); },
        QLineEdit().palette().color(QPalette::Base));
    window.show();
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* donations = qobject_cast<Donations*>(QApplication::activeModalWidget());
        QVERIFY(donations && donations->parentWidget() == &window);
        checked = true;
        ctl<QPushButton>(*donations, "OK_BUTTON")->click();
    });
    QTest::mouseClick(ctl<QPushButton>(window, "DONATIONS_BUTTON"), Qt::LeftButton);
    QTRY_VERIFY(checked);
    QVERIFY(window.isVisible() && flash(window).enabledTimer() > 0); // still flashing
}

void TestInfoWindows::flashStopAndRestart()
{
    for (int ticksBeforeStop = 1; ticksBeforeStop <= 6; ++ticksBeforeStop) {
        TestContext t;
        Donations window(t.context);
        for (int i = 0; i < ticksBeforeStop; ++i) // as the clock would
            QMetaObject::invokeMethod(&window, flash(window).handlers[i % 5]);
        QTest::mouseDClick(ctl<QLineEdit>(window, "THANKS_DONATIONS_MESSAGE_TEXTBOX"), Qt::LeftButton);
        QCOMPARE(flash(window).enabledTimer(), 0);
        QCOMPARE(messageColour(window), Qt::black);
        QTest::mouseDClick(ctl<QLineEdit>(window, "THANKS_DONATIONS_MESSAGE_TEXTBOX"), Qt::LeftButton);
        flash(window).check([&] { return messageColour(window); }, Qt::black); // from the start again
    }
}

void TestInfoWindows::doubleClickBeforeFirstTick()
{
    TestContext t;
    Donations window(t.context);
    // No events run while the test sleeps, so nothing ticks; a restarted
    // timer would have its full 200 ms to go again.
    QTest::qSleep(50);
    const int remaining = window.DONATION_TEXT_1_TIMER.remainingTime();
    QTest::qSleep(50);
    QTest::mouseDClick(ctl<QLineEdit>(window, "THANKS_DONATIONS_MESSAGE_TEXTBOX"), Qt::LeftButton);
    QVERIFY(window.DONATION_TEXT_1_TIMER.remainingTime() <= remaining);
    flash(window).check([&] { return messageColour(window); }, Qt::black);
}

void TestInfoWindows::markAndRest()
{
    TestContext t;
    Donations window(t.context);
    QVERIFY(showActive(window));
    const QList<QLineEdit*> boxes = addressBoxes(window);
    for (int i = 0; i < boxes.size(); ++i) {
        const QString marked = QString("rrrrr").replace(i, 1, u'm');
        QTest::mouseDClick(boxes[i], Qt::LeftButton);
        QCOMPARE(addressStates(window), marked);
        // The box's own double-click still selects the word under the mouse.
        QVERIFY(boxes[i]->hasFocus() && boxes[i]->text().split(u' ').contains(boxes[i]->selectedText()));
        // The mark stays while a context menu or another program's window has the focus.
        for (const Qt::FocusReason reason : { Qt::PopupFocusReason, Qt::ActiveWindowFocusReason }) {
            QFocusEvent focusOut(QEvent::FocusOut, reason);
            QApplication::sendEvent(boxes[i], &focusOut);
            QCOMPARE(addressStates(window), marked);
        }
        QTest::mouseClick(boxes[(i + 1) % boxes.size()], Qt::LeftButton);
        QCOMPARE(addressStates(window), QStringLiteral("rrrrr"));
    }
    QTest::mouseDClick(boxes[0], Qt::LeftButton);
    QTest::keyClick(boxes[0], Qt::Key_Tab);
    QCOMPARE(addressStates(window), QStringLiteral("rrrrr"));
}

void TestInfoWindows::reopening_data()
{
    QTest::addColumn<QString>("closedBy");
    QTest::newRow("About, OK") << "About OK"; // stored by the button, then again as the window closes
    QTest::newRow("About, close box") << "About close";
    QTest::newRow("Donations, OK") << "Donations OK";
    QTest::newRow("Donations, Enter in an address box") << "Donations Enter";
    QTest::newRow("Donations, close box") << "Donations close";
}

// The creator text changes for good and nothing reaches the clipboard;
// reopened, a window starts afresh where it was left, at its default size.
void TestInfoWindows::reopening()
{
    QFETCH(QString, closedBy);
    const bool about = closedBy.startsWith("About");
    const QString left = about ? "ABOUT_Left" : "DONATIONS_WINDOW-Left",
                  top = about ? "ABOUT_Top" : "DONATIONS_WINDOW-Top";
    TestContext t;
    t.fakes.store(left, "3000");
    t.fakes.store(top, "1500");
    const auto open = [&]() -> std::unique_ptr<FormWindow> {
        if (about)
            return std::make_unique<About>(t.context);
        return std::make_unique<Donations>(t.context);
    };
    {
        const std::unique_ptr<FormWindow> window = open();
        QVERIFY(showActive(*window));
        auto* creator = window->findChild<QWidget*>("CREATOR_TEXTBOX");
        QGuiApplication::clipboard()->setText("before");
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            if (box->isVisible())
                QTest::mouseDClick(box, Qt::LeftButton);
        }
        for (int i = 0; i < 2; ++i)
            QTest::mouseDClick(creator, Qt::LeftButton);
        QCOMPARE(creator->property("text").toString(), maker::kEmail);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        window->resize(640, 500);
        window->move(150, 45);
        if (closedBy.endsWith("OK"))
            QTest::mouseClick(window->findChild<QPushButton*>("OK_BUTTON"), Qt::LeftButton);
        else if (closedBy.endsWith("Enter"))
            QTest::keyClick(window->findChild<QLineEdit*>("BTC_DONATION_ADDRESS_TEXTBOX"), Qt::Key_Return);
        else
            window->close();
        QVERIFY(!window->isVisible());
    }
    const QStringList once { left, top };
    QCOMPARE(t.fakes.settings.writtenKeys, closedBy.endsWith("close") ? once : once + once);
    const std::unique_ptr<FormWindow> reopened = open();
    QCOMPARE(QRect(reopened->pos(), reopened->size()),
        QRect(QPoint(150, 45), about ? QSize(617, 171) : QSize(586, 397)));
    QCOMPARE(reopened->findChild<QWidget*>("CREATOR_TEXTBOX")->property("text").toString(),
        QStringLiteral("Created By Tovek88"));
}

QTEST_MAIN(TestInfoWindows)
#include "test_info_windows.moc"
