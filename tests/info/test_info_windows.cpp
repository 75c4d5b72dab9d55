#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "info/QUORLIN_ABOUT.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "maker_details.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using About = QUORLIN_ABOUT;
using Donations = TOVEK88_KALDERA_DONATIONS_WINDOW;

// A window's flashing timer, fired here as the clock would fire it, so no test waits.
struct Flash {
    explicit Flash(const QWidget& window)
        : timer(window.findChild<QTimer*>(u"FLASH_TIMER"_s))
    {
    }

    void tick() { QMetaObject::invokeMethod(timer, "timeout"); }

    // Every 200 ms from now: the ordinary colour, then green, red, cyan, magenta, yellow and round again.
    template <class Shown> void check(Shown shown, const QColor& ordinary)
    {
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 200);
        const QColor colours[] { Qt::green, Qt::red, Qt::cyan, Qt::magenta, Qt::yellow };
        for (int step = 0; step <= 13; ++step) {
            QCOMPARE(shown(), step ? colours[(step - 1) % 5] : ordinary);
            tick();
        }
    }

    QTimer* timer;
};

const char* const kCoins[] = { "BTC", "NMC", "LTC", "DASH", "VTC" };

QLineEdit* addressBox(const Donations& w, const char* coin)
{
    return ctl<QLineEdit>(w, qPrintable(QString::fromLatin1(coin) + u"_DONATION_ADDRESS_TEXTBOX"_s));
}

// The coins whose address box is marked (light magenta); a box in neither that nor the resting colour (light
// yellow) shows as "odd".
QStringList marked(const Donations& w)
{
    QStringList marked;
    for (const char* coin : kCoins) {
        const QString back = addressBox(w, coin)->palette().color(QPalette::Base).name();
        if (back != u"#ffffc0")
            marked << (back == u"#ff80ff" ? QString() : u"odd "_s) + QString::fromLatin1(coin);
    }
    return marked;
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
    // A double-click on the message stops the flashing, in black; another flashes from the start. Before the
    // first tick the message is black already: the double-click leaves the timer running, not restarted.
    void messageFlashStopsAndRestarts()
    {
        for (int ticksBefore = 0; ticksBefore <= 6; ++ticksBefore) {
            TestContext t;
            Donations window(t.context);
            QLineEdit* message = ctl<QLineEdit>(window, "THANKS_DONATIONS_MESSAGE_TEXTBOX");
            Flash f(window);
            for (int i = 0; i < ticksBefore; ++i)
                f.tick();
            if (ticksBefore) {
                QTest::mouseDClick(message, Qt::LeftButton);
                QVERIFY(!f.timer->isActive());
                QCOMPARE(message->palette().color(QPalette::Text), Qt::black);
            }
            // No events run while the test sleeps, so nothing ticks.
            QTest::qSleep(20);
            const int remaining = f.timer->remainingTime();
            QTest::qSleep(20);
            QTest::mouseDClick(message, Qt::LeftButton);
            QVERIFY(ticksBefore || f.timer->remainingTime() <= remaining);
            f.check([&] { return message->palette().color(QPalette::Text); }, Qt::black);
        }
    }

    void markAndRest()
    {
        TestContext t;
        Donations window(t.context);
        QVERIFY(showActive(window));
        for (int i = 0; i < 5; ++i) {
            QLineEdit* box = addressBox(window, kCoins[i]);
            QTest::mouseDClick(box, Qt::LeftButton);
            QCOMPARE(marked(window), QStringList { QString::fromLatin1(kCoins[i]) });
            // The box's own double-click still selects the word under the mouse.
            QVERIFY(box->hasFocus() && box->text().split(u' ').contains(box->selectedText()));
            // The mark stays while a context menu or another program's window has the focus.
            for (const Qt::FocusReason reason : { Qt::PopupFocusReason, Qt::ActiveWindowFocusReason }) {
                QFocusEvent focusOut(QEvent::FocusOut, reason);
                QApplication::sendEvent(box, &focusOut);
                QCOMPARE(marked(window), QStringList { QString::fromLatin1(kCoins[i]) });
            }
            QTest::mouseClick(addressBox(window, kCoins[(i + 1) % 5]), Qt::LeftButton);
            QCOMPARE(marked(window), QStringList());
        }
        QTest::mouseDClick(addressBox(window, "BTC"), Qt::LeftButton);
        QTest::keyClick(addressBox(window, "BTC"), Qt::Key_Tab);
        QCOMPARE(marked(window), QStringList());
    }

    // About flashes its donations box, and goes on flashing after the donations window it opens. In both
    // windows double-clicks copy nothing; the creator text changes for good.
    void aboutFlashesAndShowsTheEmail()
    {
        TestContext t;
        About about(t.context);
        Donations donations(t.context);
        Flash flash(about);
        flash.check(
            [&] { return ctl<QLineEdit>(about, "DONATIONS_BACK_TEXTBOX")->palette().color(QPalette::Base); },
            QLineEdit().palette().color(QPalette::Base));
        for (QDialog* window : { static_cast<QDialog*>(&about), static_cast<QDialog*>(&donations) }) {
            QVERIFY(showActive(*window));
            QWidget* creator = ctl(*window, "CREATOR_TEXTBOX");
            QCOMPARE(creator->property("text").toString(), u"Created By Tovek88"_s);
            QGuiApplication::clipboard()->setText(u"before"_s);
            for (QLineEdit* box : window->findChildren<QLineEdit*>())
                if (box->isVisible())
                    QTest::mouseDClick(box, Qt::LeftButton);
            for (int i = 0; i < 2; ++i)
                QTest::mouseDClick(creator, Qt::LeftButton);
            QCOMPARE(creator->property("text").toString(), maker::kEmail);
            QCOMPARE(QGuiApplication::clipboard()->text(), u"before"_s);
        }
        QTimer::singleShot(0, [] { // closes the donations window
            if (QWidget* donations = QApplication::activeModalWidget())
                donations->close();
        });
        ctl<QPushButton>(about, "DONATIONS_BUTTON")->click();
        QVERIFY(about.isVisible() && flash.timer->isActive());
    }
};

QTEST_MAIN(TestInfoWindows)
#include "test_info_windows.moc"
