#include "fakes/fake_platform.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A live node setup as the crypto settings save leaves it.
const std::pair<QString, QString> kNodeSetup[] = {
    { u"CRYPTO_NAME_TEXTBOX"_s, u"Litecoin"_s },
    { u"QT_NAME_TEXTBOX"_s, u"litecoin-qt"_s },
    { u"CLI_NAME_TEXTBOX"_s, u"litecoin-cli"_s },
    { u"DAEMON_NAME_TEXTBOX"_s, u"litecoind"_s },
    { u"KD_QT_COMMAND_TEXTBOX"_s, u"\"/opt/ltc/litecoin-qt\" -conf=\"/c.conf\" "_s },
    { u"KD_D_COMMAND_TEXTBOX"_s, u"\"/opt/ltc/litecoind\" -conf=\"/c.conf\" "_s },
    { u"KDCLI_STOP_COMMAND_TEXTBOX"_s, u"\"/opt/ltc/litecoin-cli\" -conf=\"/c.conf\"  stop"_s },
};

bool seedNodeSetup(FakePlatform& fakes)
{
    for (const auto& [key, value] : kNodeSetup)
        fakes.store(key, value);
    return true;
}

// The window over a store seeded with the node setup, shown and active.
struct Shown {
    Shown()
    {
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
    }
    TestContext t;
    const bool seeded = seedNodeSetup(t.fakes);
    QUORLIN_MAIN window { t.context };
    bool active = false;
};

QStringList hiddenFields(const QUORLIN_MAIN& w)
{
    return { w.CRYPTO_NAME_TEXTBOX->text(), w.QT_NAME_TEXTBOX, w.CLI_NAME_TEXTBOX, w.DAEMON_NAME_TEXTBOX,
        w.KD_QT_COMMAND_TEXTBOX, w.KD_D_COMMAND_TEXTBOX, w.KDCLI_STOP_COMMAND_TEXTBOX };
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void firstRun()
    {
        TestContext t;
        QUORLIN_MAIN window(t.context);
        QCOMPARE(window.windowTitle(), u"QUORLIN - "_s);
        QCOMPARE(hiddenFields(window), QStringList(7));
        QCOMPARE(window.AlwaysOnTop_TICKBOX, 1);
        QVERIFY(window.AlwaysOnTopTimer.isActive() && window.MULTI_PROCESS_WATCHER_TIMER.isActive());
        QCOMPARE(window.AlwaysOnTopTimer.interval(), 1000);
        QCOMPARE(window.MULTI_PROCESS_WATCHER_TIMER.interval(), 250);
        const std::pair<QWidget*, const char*> toolTips[] = {
            { window.PROCESS_TEXTBOX_1, "QT PROCESS - GREEN=RUNNING, RED=STOPPED" },
            { window.PROCESS_TEXTBOX_2, "DAEMON  PROCESS - GREEN=RUNNING, RED=STOPPED" },
            { window.PROCESS_TEXTBOX_3, "CLI  PROCESS - GREEN=RUNNING, RED=STOPPED" },
            { window.QT_START_BUTTON, "START QT" },
            { window.DAEMON_START_BUTTON, "START DAEMON" },
            { window.CLI_STOP_BUTTON, "CLI \"STOP\"" },
        };
        for (const auto& [widget, toolTip] : toolTips)
            QCOMPARE(widget->toolTip(), QString::fromLatin1(toolTip));
        QVERIFY(window.EXIT_BUTTON->isDefault());
        QCOMPARE(window.SETTINGS_BUTTON->icon().actualSize(QSize(200, 200)), QSize(99, 37));
        QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
    }

    void loadsSeededStore()
    {
        Shown s;
        QStringList keys { u"MAIN_Left"_s, u"MAIN_Top"_s, u"MAIN_Width"_s, u"MAIN_Height"_s };
        QStringList values;
        for (const auto& [key, value] : kNodeSetup)
            keys += key, values += value;
        QCOMPARE(s.t.fakes.settings.readKeys, keys + QStringList { u"AlwaysOnTop_TICKBOX"_s });
        QCOMPARE(hiddenFields(s.window), values);
        QCOMPARE(s.window.windowTitle(), u"QUORLIN - Litecoin"_s);

        TestContext off;
        off.fakes.store(u"AlwaysOnTop_TICKBOX"_s, u"0"_s);
        QUORLIN_MAIN unticked(off.context);
        QCOMPARE(unticked.AlwaysOnTop_TICKBOX, 0);
        QVERIFY(!unticked.AlwaysOnTopTimer.isActive());
    }

    // Exit saves, then the unload saves the same values once more; never a
    // width or height. Escape closes nothing.
    void closingStoresPositionAndChoice_data()
    {
        const auto saved = [](const char* tick) {
            return QStringList { u"MAIN_Left=2100"_s, u"MAIN_Top=1350"_s, u"AlwaysOnTop_TICKBOX="_s + tick };
        };
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("alwaysOnTop");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("exit button") << 0 << 1 << saved("1") + saved("1");
        QTest::newRow("enter key") << int(Qt::Key_Return) << 0 << saved("0") + saved("0");
        QTest::newRow("close box") << -1 << 0 << saved("0");
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << QStringList {};
    }

    void closingStoresPositionAndChoice()
    {
        QFETCH(int, key);
        QFETCH(QStringList, written);
        Shown s;
        QVERIFY(s.active);
        QSignalSpy finished(&s.window, &QDialog::finished);
        s.window.move(140, 90);
        s.window.resize(400, 200);
        QFETCH(int, alwaysOnTop);
        s.window.AlwaysOnTop_TICKBOX = alwaysOnTop;
        if (key == 0)
            QTest::mouseClick(s.window.EXIT_BUTTON, Qt::LeftButton);
        else if (key < 0)
            QVERIFY(s.window.close());
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

        QCOMPARE(s.t.fakes.settings.writtenValues, written);
        QCOMPARE(finished.size(), written.isEmpty() ? 0 : 1);
        QCOMPARE(s.window.isVisible(), written.isEmpty());
        QCOMPARE(s.window.MULTI_PROCESS_WATCHER_TIMER.isActive(), written.isEmpty());
    }

    void launchButtonsHandOverTheirLine_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("lineKey");
        QTest::addColumn<WindowStyle>("style");
        QTest::newRow("START QT") << u"QT_START_BUTTON"_s << u"KD_QT_COMMAND_TEXTBOX"_s
                                  << WindowStyle::Normal;
        QTest::newRow("DAEMON") << u"DAEMON_START_BUTTON"_s << u"KD_D_COMMAND_TEXTBOX"_s
                                << WindowStyle::Hidden;
        QTest::newRow("CLI STOP") << u"CLI_STOP_BUTTON"_s << u"KDCLI_STOP_COMMAND_TEXTBOX"_s
                                  << WindowStyle::Hidden;
    }

    void launchButtonsHandOverTheirLine()
    {
        QFETCH(QString, button);
        QFETCH(QString, lineKey);
        QFETCH(WindowStyle, style);
        Shown s;
        QVERIFY(s.active);
        QTest::mouseClick(s.window.findChild<QPushButton*>(button), Qt::LeftButton);
        // A line written into the live window by another window is used at once.
        const QString changed = u"\"/opt/new/prog\"  -x "_s;
        s.window.KD_QT_COMMAND_TEXTBOX = s.window.KD_D_COMMAND_TEXTBOX = s.window.KDCLI_STOP_COMMAND_TEXTBOX
            = changed;
        // Enter presses the launch button that has the focus, not Exit.
        s.window.findChild<QPushButton*>(button)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        const QList<FakeProcessLauncher::Call>& calls = s.t.fakes.launcher.calls;
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls[0].commandLine, s.t.fakes.stored(lineKey));
        QCOMPARE(calls[1].commandLine, changed);
        QCOMPARE(calls[0].style, style);
        QCOMPARE(calls[1].style, style);
        QVERIFY(s.window.isVisible());
        QVERIFY(s.t.fakes.dialogs.errors.isEmpty() && s.t.fakes.settings.writtenKeys.isEmpty());
    }

    void failingLaunchIsReported()
    {
        Shown s;
        const QString reason = u"/opt/ltc/litecoind: No such file or directory"_s;
        s.t.fakes.launcher.nextResult = { false, reason };
        QTest::mouseClick(s.window.DAEMON_START_BUTTON, Qt::LeftButton);
        QCOMPARE(s.t.fakes.dialogs.errors.size(), 1);
        const QString& error = s.t.fakes.dialogs.errors.first();
        QVERIFY2(error.contains(s.window.KD_D_COMMAND_TEXTBOX) && error.contains(reason), qPrintable(error));
        QVERIFY(s.window.isVisible() && s.window.MULTI_PROCESS_WATCHER_TIMER.isActive());

        s.t.fakes.launcher.nextResult = { true, {} };
        QTest::mouseClick(s.window.DAEMON_START_BUTTON, Qt::LeftButton);
        QCOMPARE(s.t.fakes.launcher.calls.size(), 2);
        QCOMPARE(s.t.fakes.dialogs.errors.size(), 1);
    }

    void timersRunByThemselves()
    {
        TestContext t;
        t.fakes.store(u"DAEMON_NAME_TEXTBOX"_s, u"litecoind"_s);
        t.fakes.processes.setRunning(u"litecoind"_s, 1);
        QUORLIN_MAIN window(t.context);
        QVERIFY(t.fakes.processes.queries.isEmpty());
        window.AlwaysOnTopTimer.setInterval(1);
        QTRY_VERIFY(t.fakes.stacking.steps >= 2);
        QTRY_VERIFY(!window.DAEMON_START_BUTTON->isEnabled());
        QCOMPARE(window.PROCESS_TEXTBOX_2->palette().color(QPalette::Base), QColor(0, 255, 0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
