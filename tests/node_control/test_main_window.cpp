#include "fakes/fake_platform.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

namespace {

const QStringList kClosingKeys { QStringLiteral("MAIN_Left"), QStringLiteral("MAIN_Top"),
    QStringLiteral("AlwaysOnTop_TICKBOX") };

// The stored values of a live node setup, as the crypto settings save leaves them.
void seedNodeSetup(FakePlatform& fakes)
{
    fakes.store(QStringLiteral("CRYPTO_NAME_TEXTBOX"), QStringLiteral("Litecoin"));
    fakes.store(QStringLiteral("QT_NAME_TEXTBOX"), QStringLiteral("litecoin-qt"));
    fakes.store(QStringLiteral("DAEMON_NAME_TEXTBOX"), QStringLiteral("litecoind"));
    fakes.store(QStringLiteral("CLI_NAME_TEXTBOX"), QStringLiteral("litecoin-cli"));
    fakes.store(QStringLiteral("KD_QT_COMMAND_TEXTBOX"),
        QStringLiteral(R"("/opt/ltc/litecoin-qt" -conf="/c.conf" )"));
    fakes.store(
        QStringLiteral("KD_D_COMMAND_TEXTBOX"), QStringLiteral(R"("/opt/ltc/litecoind" -conf="/c.conf" )"));
    fakes.store(QStringLiteral("KDCLI_STOP_COMMAND_TEXTBOX"),
        QStringLiteral(R"("/opt/ltc/litecoin-cli" -conf="/c.conf"  stop)"));
}

void showAndActivate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

enum class Closing { ExitButton, EnterKey, CloseBox };

} // namespace

Q_DECLARE_METATYPE(Closing)
Q_DECLARE_METATYPE(WindowStyle)

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void firstRun();
    void loadsSeededStore();
    void closingStoresPositionAndChoice_data();
    void closingStoresPositionAndChoice();
    void escapeDoesNotClose();
    void launchButtonsHandOverTheirLine_data();
    void launchButtonsHandOverTheirLine();
    void enterPressesFocusedLaunchButton();
    void failingLaunchIsReported();
    void stackingTimerRunsStackingStep();
};

void TestMainWindow::firstRun()
{
    TestContext t;
    QUORLIN_MAIN window(t.context);

    QCOMPARE(window.windowTitle(), QStringLiteral("QUORLIN - "));
    QCOMPARE(window.CRYPTO_NAME_TEXTBOX->text(), QString());
    QVERIFY(window.CRYPTO_NAME_TEXTBOX->isReadOnly());
    for (const QString* hidden :
        { &window.QT_NAME_TEXTBOX, &window.DAEMON_NAME_TEXTBOX, &window.CLI_NAME_TEXTBOX,
            &window.KD_QT_COMMAND_TEXTBOX, &window.KD_D_COMMAND_TEXTBOX, &window.KDCLI_STOP_COMMAND_TEXTBOX })
        QCOMPARE(*hidden, QString());
    QCOMPARE(window.AlwaysOnTop_TICKBOX, 1);
    QVERIFY(window.AlwaysOnTopTimer.isActive());
    QCOMPARE(window.AlwaysOnTopTimer.interval(), 1000);
    QVERIFY(window.MULTI_PROCESS_WATCHER_TIMER.isActive());
    QCOMPARE(window.MULTI_PROCESS_WATCHER_TIMER.interval(), 250);

    const struct {
        QLineEdit* box;
        const char* text;
        const char* toolTip;
    } boxes[] = {
        { window.PROCESS_TEXTBOX_1, "QT", "QT PROCESS - GREEN=RUNNING, RED=STOPPED" },
        { window.PROCESS_TEXTBOX_2, "DAEMON", "DAEMON  PROCESS - GREEN=RUNNING, RED=STOPPED" },
        { window.PROCESS_TEXTBOX_3, "CLI", "CLI  PROCESS - GREEN=RUNNING, RED=STOPPED" },
    };
    for (const auto& status : boxes) {
        QCOMPARE(status.box->text(), QLatin1String(status.text));
        QCOMPARE(status.box->toolTip(), QLatin1String(status.toolTip));
        QVERIFY(status.box->isReadOnly());
        QVERIFY(status.box->font().bold());
    }

    const struct {
        QPushButton* button;
        const char* caption;
        const char* toolTip;
    } buttons[] = {
        { window.EXIT_BUTTON, "Exit", "" },
        { window.QT_START_BUTTON, "START QT", "START QT" },
        { window.DAEMON_START_BUTTON, "DAEMON", "START DAEMON" },
        { window.CLI_STOP_BUTTON, "CLI", "CLI \"STOP\"" },
    };
    for (const auto& b : buttons) {
        QCOMPARE(b.button->text(), QLatin1String(b.caption));
        QCOMPARE(b.button->toolTip(), QLatin1String(b.toolTip));
        QVERIFY(b.button->isEnabled());
    }
    QVERIFY(window.EXIT_BUTTON->isDefault());
    QCOMPARE(window.SETTINGS_BUTTON->text(), QString());
    QCOMPARE(window.SETTINGS_BUTTON->icon().actualSize(QSize(200, 200)), QSize(99, 37));

    // Reading the defaults writes nothing.
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestMainWindow::loadsSeededStore()
{
    TestContext t;
    seedNodeSetup(t.fakes);
    t.fakes.store(QStringLiteral("AlwaysOnTop_TICKBOX"), QStringLiteral("0"));
    QUORLIN_MAIN window(t.context);

    QCOMPARE(t.fakes.settings.readKeys,
        QStringList({ "MAIN_Left", "MAIN_Top", "MAIN_Width", "MAIN_Height", "CRYPTO_NAME_TEXTBOX",
            "QT_NAME_TEXTBOX", "CLI_NAME_TEXTBOX", "DAEMON_NAME_TEXTBOX", "KD_QT_COMMAND_TEXTBOX",
            "KD_D_COMMAND_TEXTBOX", "KDCLI_STOP_COMMAND_TEXTBOX", "AlwaysOnTop_TICKBOX" }));
    QCOMPARE(window.windowTitle(), QStringLiteral("QUORLIN - Litecoin"));
    QCOMPARE(window.CRYPTO_NAME_TEXTBOX->text(), QStringLiteral("Litecoin"));
    QCOMPARE(window.QT_NAME_TEXTBOX, QStringLiteral("litecoin-qt"));
    QCOMPARE(window.DAEMON_NAME_TEXTBOX, QStringLiteral("litecoind"));
    QCOMPARE(window.CLI_NAME_TEXTBOX, QStringLiteral("litecoin-cli"));
    QCOMPARE(window.KD_QT_COMMAND_TEXTBOX, t.fakes.stored(QStringLiteral("KD_QT_COMMAND_TEXTBOX")));
    QCOMPARE(window.KD_D_COMMAND_TEXTBOX, t.fakes.stored(QStringLiteral("KD_D_COMMAND_TEXTBOX")));
    QCOMPARE(window.KDCLI_STOP_COMMAND_TEXTBOX, t.fakes.stored(QStringLiteral("KDCLI_STOP_COMMAND_TEXTBOX")));
    QCOMPARE(window.AlwaysOnTop_TICKBOX, 0);
    QVERIFY(!window.AlwaysOnTopTimer.isActive());
}

void TestMainWindow::closingStoresPositionAndChoice_data()
{
    QTest::addColumn<Closing>("how");
    QTest::addColumn<int>("alwaysOnTop");
    QTest::addColumn<QStringList>("writtenKeys");

    // Exit saves, then the unload saves the same keys once more.
    QTest::newRow("exit button") << Closing::ExitButton << 1 << kClosingKeys + kClosingKeys;
    QTest::newRow("enter key") << Closing::EnterKey << 0 << kClosingKeys + kClosingKeys;
    QTest::newRow("close box") << Closing::CloseBox << 0 << kClosingKeys;
}

void TestMainWindow::closingStoresPositionAndChoice()
{
    QFETCH(Closing, how);
    QFETCH(int, alwaysOnTop);
    QFETCH(QStringList, writtenKeys);

    TestContext t;
    t.fakes.store(QStringLiteral("MAIN_Width"), QStringLiteral("5000"));
    QUORLIN_MAIN window(t.context);
    QSignalSpy finished(&window, &QDialog::finished);
    showAndActivate(window);
    window.move(140, 90);
    window.resize(400, 200);
    window.AlwaysOnTop_TICKBOX = alwaysOnTop;

    switch (how) {
    case Closing::ExitButton:
        QTest::mouseClick(window.EXIT_BUTTON, Qt::LeftButton);
        break;
    case Closing::EnterKey:
        QCOMPARE(QApplication::focusWidget(), window.EXIT_BUTTON);
        QTest::keyClick(&window, Qt::Key_Return);
        break;
    case Closing::CloseBox:
        QVERIFY(window.close());
        break;
    }

    QCOMPARE(finished.size(), 1);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.MULTI_PROCESS_WATCHER_TIMER.isActive());
    QCOMPARE(t.fakes.settings.writtenKeys, writtenKeys);
    QCOMPARE(t.fakes.stored(QStringLiteral("MAIN_Left")), QStringLiteral("2100"));
    QCOMPARE(t.fakes.stored(QStringLiteral("MAIN_Top")), QStringLiteral("1350"));
    QCOMPARE(t.fakes.stored(QStringLiteral("AlwaysOnTop_TICKBOX")), QString::number(alwaysOnTop));
    QCOMPARE(t.fakes.stored(QStringLiteral("MAIN_Width")), QStringLiteral("5000"));
    QVERIFY(t.fakes.stored(QStringLiteral("MAIN_Height")).isNull());
}

void TestMainWindow::escapeDoesNotClose()
{
    TestContext t;
    QUORLIN_MAIN window(t.context);
    showAndActivate(window);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestMainWindow::launchButtonsHandOverTheirLine_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("lineKey");
    QTest::addColumn<WindowStyle>("style");

    QTest::newRow("START QT") << QStringLiteral("QT_START_BUTTON") << QStringLiteral("KD_QT_COMMAND_TEXTBOX")
                              << WindowStyle::Normal;
    QTest::newRow("DAEMON") << QStringLiteral("DAEMON_START_BUTTON") << QStringLiteral("KD_D_COMMAND_TEXTBOX")
                            << WindowStyle::Hidden;
    QTest::newRow("CLI STOP") << QStringLiteral("CLI_STOP_BUTTON")
                              << QStringLiteral("KDCLI_STOP_COMMAND_TEXTBOX") << WindowStyle::Hidden;
}

void TestMainWindow::launchButtonsHandOverTheirLine()
{
    QFETCH(QString, button);
    QFETCH(QString, lineKey);
    QFETCH(WindowStyle, style);

    TestContext t;
    seedNodeSetup(t.fakes);
    QUORLIN_MAIN window(t.context);
    showAndActivate(window);

    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(t.fakes.launcher.calls.size(), 1);
    QCOMPARE(t.fakes.launcher.calls[0].commandLine, t.fakes.stored(lineKey));
    QCOMPARE(t.fakes.launcher.calls[0].style, style);
    QVERIFY(t.fakes.dialogs.errors.isEmpty());

    // A line written into the live window by another window is used at once.
    const QString changed = QStringLiteral("\"/opt/new/prog\"  -x ");
    window.KD_QT_COMMAND_TEXTBOX = changed;
    window.KD_D_COMMAND_TEXTBOX = changed;
    window.KDCLI_STOP_COMMAND_TEXTBOX = changed;
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(t.fakes.launcher.calls.size(), 2);
    QCOMPARE(t.fakes.launcher.calls[1].commandLine, changed);
    QCOMPARE(window.windowTitle(), QStringLiteral("QUORLIN - Litecoin"));
}

void TestMainWindow::enterPressesFocusedLaunchButton()
{
    TestContext t;
    seedNodeSetup(t.fakes);
    QUORLIN_MAIN window(t.context);
    showAndActivate(window);

    window.DAEMON_START_BUTTON->setFocus();
    QCOMPARE(QApplication::focusWidget(), window.DAEMON_START_BUTTON);
    QTest::keyClick(window.DAEMON_START_BUTTON, Qt::Key_Return);
    QCOMPARE(t.fakes.launcher.calls.size(), 1);
    QCOMPARE(t.fakes.launcher.calls[0].style, WindowStyle::Hidden);
    QVERIFY(window.isVisible());
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());

    // Once the focus is off the buttons, Enter is Exit again.
    window.CRYPTO_NAME_TEXTBOX->setFocus();
    QTest::keyClick(window.CRYPTO_NAME_TEXTBOX, Qt::Key_Return);
    QVERIFY(!window.isVisible());
    QCOMPARE(t.fakes.launcher.calls.size(), 1);
}

void TestMainWindow::failingLaunchIsReported()
{
    TestContext t;
    seedNodeSetup(t.fakes);
    t.fakes.launcher.nextResult = { false, QStringLiteral("/opt/ltc/litecoind: No such file or directory") };
    QUORLIN_MAIN window(t.context);
    showAndActivate(window);

    QTest::mouseClick(window.DAEMON_START_BUTTON, Qt::LeftButton);
    QCOMPARE(t.fakes.dialogs.errors.size(), 1);
    const QString& error = t.fakes.dialogs.errors.first();
    QVERIFY2(error.contains(t.fakes.stored(QStringLiteral("KD_D_COMMAND_TEXTBOX"))), qPrintable(error));
    QVERIFY2(
        error.contains(QStringLiteral("/opt/ltc/litecoind: No such file or directory")), qPrintable(error));
    QVERIFY(window.isVisible());
    QVERIFY(window.MULTI_PROCESS_WATCHER_TIMER.isActive());
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());

    // The next press tries again.
    t.fakes.launcher.nextResult = { true, {} };
    QTest::mouseClick(window.DAEMON_START_BUTTON, Qt::LeftButton);
    QCOMPARE(t.fakes.launcher.calls.size(), 2);
    QCOMPARE(t.fakes.dialogs.errors.size(), 1);
}

void TestMainWindow::stackingTimerRunsStackingStep()
{
    TestContext t;
    QUORLIN_MAIN window(t.context);
    QVERIFY(window.AlwaysOnTopTimer.isActive());
    window.AlwaysOnTopTimer.setInterval(1);
    QTRY_VERIFY(t.fakes.stacking.steps >= 2);

    TestContext off;
    off.fakes.store(QStringLiteral("AlwaysOnTop_TICKBOX"), QStringLiteral("0"));
    QUORLIN_MAIN unticked(off.context);
    QVERIFY(!unticked.AlwaysOnTopTimer.isActive());
    QCOMPARE(unticked.AlwaysOnTopTimer.interval(), 1000);
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
