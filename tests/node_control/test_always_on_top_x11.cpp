// Always-on-top on a real X server (run under Xvfb), with a window manager (openbox) and without one: another
// program's window that asks to stay on top is put over the main window again and again; the next stacking
// step puts the main window above it, and its native window is never re-created. The panel's own windows,
// tooltips and menus stay above the main window.
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_MAIN.h"
#include "platform/system_platform.h"

#include <QtTest>

#include <xcb/xcb.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

xcb_connection_t* x11()
{
    const auto* native = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return native ? native->connection() : nullptr;
}

using Tree = std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)>;

Tree tree(xcb_window_t window)
{
    return Tree(xcb_query_tree_reply(x11(), xcb_query_tree(x11(), window), nullptr), &std::free);
}

// The child of the root window that holds the given window.
xcb_window_t topLevel(xcb_window_t window)
{
    for (Tree t = tree(window); t && t->parent != t->root && t->parent != XCB_NONE; t = tree(window))
        window = t->parent;
    return window;
}

xcb_window_t rootWindow()
{
    return xcb_setup_roots_iterator(xcb_get_setup(x11())).data->root;
}

// Whether the screen is as a row needs it: a window mapped now is shown, and in a frame exactly when a window
// manager runs. A probe window is mapped again until then: a window mapped while openbox starts, in the
// moments after it has taken over the screen or while the previous row's openbox ends may never be shown, or
// be stacked by the wrong desktop.
bool desktopReady(bool withWindowManager)
{
    const xcb_window_t probe = xcb_generate_id(x11());
    xcb_create_window(x11(), XCB_COPY_FROM_PARENT, probe, rootWindow(), 0, 0, 1, 1, 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    const auto shownAsNeeded = [&] {
        using Attributes = std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)>;
        const Attributes attributes(
            xcb_get_window_attributes_reply(x11(), xcb_get_window_attributes(x11(), probe), nullptr),
            &std::free);
        return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE
            && (topLevel(probe) != probe) == withWindowManager;
    };
    bool ready = false;
    for (int attempt = 0; attempt < 30 && !ready; ++attempt) {
        xcb_unmap_window(x11(), probe);
        xcb_map_window(x11(), probe);
        xcb_flush(x11());
        ready = QTest::qWaitFor(shownAsNeeded, 1000);
    }
    xcb_destroy_window(x11(), probe);
    xcb_flush(x11());
    return ready;
}

// Whether one window's top-level is stacked over the other's; the root's children come bottom first (under a
// window manager, its frames).
bool above(xcb_window_t upper, xcb_window_t lower)
{
    const Tree root = tree(rootWindow());
    if (!root)
        return false;
    const xcb_window_t* children = xcb_query_tree_children(root.get());
    const QList<xcb_window_t> order(children, children + xcb_query_tree_children_length(root.get()));
    return order.indexOf(topLevel(upper)) > order.indexOf(topLevel(lower));
}

// The rival: this program started again with "rival", a small stays-on-top window that prints its window id
// and comes to the front on every line read.
int runRival(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget rival;
    rival.setWindowFlag(Qt::WindowStaysOnTopHint);
    rival.setGeometry(90, 90, 160, 80);
    rival.show();
    QTextStream(stdout) << rival.winId() << Qt::endl;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &rival, [&] {
        char line[64];
        if (!std::fgets(line, sizeof line, stdin))
            app.quit();
        rival.raise();
        rival.activateWindow();
        xcb_flush(x11());
    });
    return app.exec();
}

// One desktop: openbox on Xvfb's display or none, the panel with the system's stacking step and always-on-top
// as stored, and the rival in front of it.
struct Desk {
    // Null when the desktop is ready, otherwise why no test can run here.
    const char* missing(bool withWindowManager)
    {
        if (!x11())
            return "needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)";
        managed = withWindowManager;
        if (withWindowManager) {
            windowManager.start(u"openbox"_s, { u"--sm-disable"_s });
            if (!windowManager.waitForStarted())
                return "openbox is not installed (scripts/setup.sh installs it)";
        }
        return nullptr;
    }
    bool open(const QString& alwaysOnTop)
    {
        if (!desktopReady(managed))
            return false;
        f.store(u"AlwaysOnTop_TICKBOX"_s, alwaysOnTop);
        panel.emplace(context);
        panel->show();
        if (!QTest::qWaitForWindowExposed(&*panel))
            return false;
        panelId = static_cast<xcb_window_t>(panel->winId());
        rival.start(QCoreApplication::applicationFilePath(), { u"rival"_s });
        if (!rival.waitForReadyRead(10000))
            return false;
        rivalId = static_cast<xcb_window_t>(rival.readLine().trimmed().toULongLong());
        return true;
    }
    bool nextStep()
    {
        QSignalSpy step(&timerOf(*panel, "AlwaysOnTopTimer"), &QTimer::timeout);
        return step.wait(10000);
    }
    // Exactly one step of the main window's stacking timer.
    bool oneStep()
    {
        timerOf(*panel, "AlwaysOnTopTimer").start();
        const bool stepped = nextStep();
        timerOf(*panel, "AlwaysOnTopTimer").stop();
        return stepped;
    }
    ~Desk()
    {
        rival.closeWriteChannel();
        rival.waitForFinished(5000);
        panel.reset();
        windowManager.terminate();
        windowManager.waitForFinished(5000);
    }

    bool managed = false;
    QProcess windowManager;
    FakePlatform f;
    const std::unique_ptr<WindowStacking> stacking = createSystemWindowStacking();
    AppContext context { { f.settings, f.launcher, f.processes, *stacking, f.dialogs, f.executable, f.runner,
        u"/logs"_s, f.programHelp, f.random } };
    std::optional<QUORLIN_MAIN> panel;
    xcb_window_t panelId = XCB_NONE;
    QProcess rival;
    xcb_window_t rivalId = XCB_NONE;
};

// The window's native window as Qt has it now (Qt re-creates a tooltip's window without telling its widget).
xcb_window_t idOf(const QWidget& window)
{
    return static_cast<xcb_window_t>(window.windowHandle()->winId());
}

// The tooltip or menu window that is showing.
QWidget* shownWindowOfType(Qt::WindowType type)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() == type)
            return window;
    return nullptr;
}

} // namespace

class TestAlwaysOnTopX11 : public QObject {
    Q_OBJECT

    static void bothDesktops()
    {
        QTest::addColumn<bool>("withWindowManager");
        QTest::newRow("no window manager") << false;
        QTest::newRow("openbox") << true;
    }

private slots:
    void mainWindowComesBackAboveRival_data() { bothDesktops(); }
    void mainWindowComesBackAboveRival()
    {
        QFETCH(bool, withWindowManager);
        Desk desk;
        if (const char* missing = desk.missing(withWindowManager))
            QSKIP(missing);
        QVERIFY(desk.open(u"1"_s));
        // A window manager puts the window into a frame of its own.
        QTRY_COMPARE(topLevel(desk.panelId) != desk.panelId, withWindowManager);

        // Each round the rival comes forward while no step runs; the next stacking step alone puts the main
        // window above it again (the timer runs once a second).
        timerOf(*desk.panel, "AlwaysOnTopTimer").stop();
        for (int round = 1; round <= 5; ++round) {
            desk.rival.write("raise\n");
            QTRY_VERIFY_WITH_TIMEOUT(above(desk.rivalId, desk.panelId), 10000);
            QVERIFY(desk.oneStep());
            QTRY_VERIFY2_WITH_TIMEOUT(
                above(desk.panelId, desk.rivalId), qPrintable(u"round %1"_s.arg(round)), 10000);
            QCOMPARE(desk.panel->winId(), desk.panelId);
        }

        // Without steps, the main window stays below the rival.
        desk.rival.write("raise\n");
        QTRY_VERIFY_WITH_TIMEOUT(above(desk.rivalId, desk.panelId), 10000);
        QTest::qWait(1500);
        QVERIFY(above(desk.rivalId, desk.panelId) && desk.panel->winId() == desk.panelId);
    }

    // The main settings window, open where the main window is, stays over it while another program is in
    // front; so do a status box's tooltip and the window's menu.
    void panelWindowsStayAboveMainWindow_data() { bothDesktops(); }
    void panelWindowsStayAboveMainWindow()
    {
        QFETCH(bool, withWindowManager);
        Desk desk;
        if (const char* missing = desk.missing(withWindowManager))
            QSKIP(missing);
        QVERIFY(desk.open(u"1"_s));
        QCursor::setPos(700, 550); // away from every window: a tooltip hides when the pointer leaves
        QUORLIN_MAIN_SETTINGS settings(desk.context, &*desk.panel);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        desk.rival.write("raise\n");
        QVERIFY(desk.nextStep() && desk.nextStep());
        QTRY_VERIFY(above(idOf(settings), desk.panelId) && above(desk.panelId, desk.rivalId));

        auto* box = desk.panel->findChild<QLineEdit*>(u"PROCESS_TEXTBOX_1"_s);
        QToolTip::showText(box->mapToGlobal(QPoint(4, 4)), box->toolTip(), box);
        QWidget* tip = shownWindowOfType(Qt::ToolTip);
        QVERIFY(tip && QTest::qWaitForWindowExposed(tip));
        QVERIFY(desk.nextStep() && desk.nextStep());
        QTRY_VERIFY(tip->isVisible() && above(idOf(*tip), desk.panelId));
        QToolTip::hideText();

        menuNamed("NODE_MENU").popup(box->mapToGlobal(QPoint(4, 4)));
        QVERIFY(QTest::qWaitForWindowExposed(&menuNamed("NODE_MENU")));
        QVERIFY(desk.nextStep() && desk.nextStep());
        QTRY_VERIFY(above(idOf(menuNamed("NODE_MENU")), desk.panelId));
        menuNamed("NODE_MENU").close();
    }

    // Ticking "Always On Top" in the open main settings window puts the main window over the rival at the
    // next step, below the settings window.
    void tickingAlwaysOnTopTakesEffectAtOnce_data() { bothDesktops(); }
    void tickingAlwaysOnTopTakesEffectAtOnce()
    {
        QFETCH(bool, withWindowManager);
        Desk desk;
        if (const char* missing = desk.missing(withWindowManager))
            QSKIP(missing);
        QVERIFY(desk.open(u"0"_s));
        desk.rival.write("raise\n");
        QTRY_VERIFY(above(desk.rivalId, desk.panelId));
        QUORLIN_MAIN_SETTINGS settings(desk.context, &*desk.panel);
        settings.show();
        settings.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&settings));

        QTest::mouseClick(settings.findChild<QCheckBox*>(u"AlwaysOnTop_TICKBOX"_s), Qt::LeftButton);
        QVERIFY(desk.nextStep());
        QTRY_VERIFY(above(desk.panelId, desk.rivalId) && above(idOf(settings), desk.panelId));
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "rival") == 0)
        return runRival(argc, argv);
    QApplication app(argc, argv);
    TestAlwaysOnTopX11 test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_always_on_top_x11.moc"
