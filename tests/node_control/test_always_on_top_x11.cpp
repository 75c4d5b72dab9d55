// Always-on-top on a real X server (run under Xvfb): another program's window
// that asks to stay on top is put over the main window again and again; within
// 1.2 s the main window is above it, with a window manager (openbox) and
// without one, and the main window's native window is never re-created.
#include "fakes/fake_platform.h"
#include "node_control/QUORLIN_MAIN.h"
#include "platform/system_platform.h"

#include <QtTest>

#include <xcb/xcb.h>

#include <cstdio>
#include <memory>

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

// Whether one window's top-level is stacked over the other's; the root's
// children come bottom first (under a window manager, its frames).
bool above(xcb_window_t upper, xcb_window_t lower)
{
    const Tree root = tree(xcb_setup_roots_iterator(xcb_get_setup(x11())).data->root);
    if (!root)
        return false;
    const xcb_window_t* children = xcb_query_tree_children(root.get());
    const QList<xcb_window_t> order(children, children + xcb_query_tree_children_length(root.get()));
    return order.indexOf(topLevel(upper)) > order.indexOf(topLevel(lower));
}

// The rival: this program started again with "rival", a small stays-on-top
// window that prints its window id and comes to the front on every line read.
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

} // namespace

class TestAlwaysOnTopX11 : public QObject {
    Q_OBJECT

private slots:
    void mainWindowComesBackAboveRival_data()
    {
        QTest::addColumn<bool>("withWindowManager");
        QTest::newRow("no window manager") << false;
        QTest::newRow("openbox") << true;
    }

    void mainWindowComesBackAboveRival()
    {
        QFETCH(bool, withWindowManager);
        if (!x11())
            QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
        QProcess windowManager;
        if (withWindowManager) {
            windowManager.start(u"openbox"_s, { u"--sm-disable"_s });
            if (!windowManager.waitForStarted())
                QSKIP("openbox is not installed (scripts/setup.sh installs it)");
        }
        FakePlatform f;
        const std::unique_ptr<WindowStacking> stacking = createSystemWindowStacking();
        AppContext context({ f.settings, f.launcher, f.processes, *stacking, f.dialogs, f.executable,
            f.clients, u"/logs"_s, f.programs });
        QUORLIN_MAIN panel(context);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const auto panelId = static_cast<xcb_window_t>(panel.winId());
        // A window manager puts the window into a frame of its own.
        QTRY_COMPARE(topLevel(panelId) != panelId, withWindowManager);

        QProcess rival;
        rival.start(QCoreApplication::applicationFilePath(), { u"rival"_s });
        QVERIFY(rival.waitForReadyRead(10000));
        const auto rivalId = static_cast<xcb_window_t>(rival.readLine().trimmed().toULongLong());

        // Each round the rival comes forward just after a stacking step; the
        // main window is above it again within 1.2 s of its coming forward.
        for (int round = 1; round <= 5; ++round) {
            QSignalSpy step(&panel.AlwaysOnTopTimer, &QTimer::timeout);
            QVERIFY(step.wait(2000));
            rival.write("raise\n");
            QTRY_VERIFY_WITH_TIMEOUT(above(rivalId, panelId), 2000);
            QElapsedTimer sinceRivalInFront;
            sinceRivalInFront.start();
            QTRY_VERIFY_WITH_TIMEOUT(above(panelId, rivalId), 1200);
            QVERIFY2(sinceRivalInFront.elapsed() <= 1200, qPrintable(u"round %1"_s.arg(round)));
            QCOMPARE(panel.winId(), panelId);
        }

        // Unticked, the main window stays below the rival.
        panel.AlwaysOnTopTimer.stop();
        rival.write("raise\n");
        QTRY_VERIFY_WITH_TIMEOUT(above(rivalId, panelId), 2000);
        QTest::qWait(1500);
        QVERIFY(above(rivalId, panelId) && panel.winId() == panelId);

        rival.closeWriteChannel();
        windowManager.terminate();
        QVERIFY(rival.waitForFinished(5000) && (!withWindowManager || windowManager.waitForFinished(5000)));
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
