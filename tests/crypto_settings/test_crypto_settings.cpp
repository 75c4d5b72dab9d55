#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "fakes/fake_platform.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "main_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "node_control/QUORLIN_MAIN.h"
#include "platform/executable.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const QString kDefaultConf = QStringLiteral("/opt/nodes/KD-QUORLIN-CRYPTO-CONFIG.conf");

const QStringList kTextKeys { "CRYPTO_NAME_TEXTBOX", "BLOCKCHAIN_HOME_TEXTBOX", "QT_LOCATION_TEXTBOX",
    "QT_NAME_TEXTBOX", "DAEMON_CLI_LOCATION_TEXTBOX", "CLI_NAME_TEXTBOX", "DAEMON_NAME_TEXTBOX" };
const QStringList kTickKeys { "QT_WALLET_TICKBOX", "QT_DISABLE_WALLET_TICKBOX", "DAEMON_WALLET_TICKBOX",
    "DAEMON_DISABLE_WALLET_TICKBOX", "CLI_DAEMON_TICKBOX", "DISABLE_DAEMON_TICKBOX" };
const QStringList kCommandKeys { "KD_QT_COMMAND_TEXTBOX", "KD_D_COMMAND_TEXTBOX",
    "KDCLI_STOP_COMMAND_TEXTBOX" };

// The three windows as the user reaches this one: main window, main
// settings, crypto settings.
struct Opened {
    explicit Opened(TestContext& t)
        : main(t.context)
        , settings(t.context, main)
        , window(t.context, main, settings)
    {
    }
    QUORLIN_MAIN main;
    QUORLIN_MAIN_SETTINGS settings;
    QUORLIN_CRYPTO_SETTINGS window;
};

// One tick box pair of the window with its switch field and its three texts.
struct Pair {
    QCheckBox* main;
    QCheckBox* disabled;
    const QString* switchField;
    QString ticked;
    QString both;
};

QList<Pair> pairsOf(QUORLIN_CRYPTO_SETTINGS& w)
{
    return {
        { w.QT_WALLET_TICKBOX, w.QT_DISABLE_WALLET_TICKBOX, &w.QT_DASH_DISABLE_WALLET_EQUALS_TEXTBOX,
            "-disablewallet=0", "-disablewallet=1" },
        { w.DAEMON_WALLET_TICKBOX, w.DAEMON_DISABLE_WALLET_TICKBOX,
            &w.DAEMON_DASH_DISABLE_WALLET_EQUALS_TEXTBOX, "-disablewallet=0", "-disablewallet=1" },
        { w.CLI_DAEMON_TICKBOX, w.DISABLE_DAEMON_TICKBOX, &w.DASH_DISABLE_DAEMON_EQUALS_TEXTBOX, "-daemon=1",
            "-daemon=0" },
    };
}

// The rules every pair keeps in every state a user can reach.
QString brokenRule(const Pair& pair)
{
    const bool main = pair.main->isChecked();
    const bool disabled = pair.disabled->isChecked();
    if (!main && (disabled || pair.disabled->isEnabled()))
        return QStringLiteral("unticked main box leaves Disabled ticked or usable");
    if (disabled && (!main || pair.main->isEnabled()))
        return QStringLiteral("ticked Disabled box leaves the main box unticked or usable");
    if (pair.main->isEnabled() == disabled)
        return QStringLiteral("main box usable although Disabled is ticked, or greyed although it is not");
    if (pair.disabled->isEnabled() != main)
        return QStringLiteral("Disabled box usable without the main box");
    const QString expected = !main ? QString() : disabled ? pair.both : pair.ticked;
    if (*pair.switchField != expected)
        return QStringLiteral("switch \"%1\", expected \"%2\"").arg(*pair.switchField, expected);
    return {};
}

template <typename Widget> Widget* child(QWidget& window, const QString& name)
{
    auto* widget = window.findChild<Widget*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

} // namespace

class TestCryptoSettings : public QObject {
    Q_OBJECT

private slots:
    void firstRun();
    void loadsStoredFieldsAndLiveConfPath();
    void tickPairsAtLoad_data();
    void tickPairsAtLoad();
    void randomClicksKeepPairRules();
    void saveStoresBuildsAndHandsOver();
    void closingWithoutSaveStoresOnlyPosition_data();
    void closingWithoutSaveStoresOnlyPosition();
    void folderPickers_data();
    void folderPickers();
    void filePickers_data();
    void filePickers();
    void useButtons_data();
    void useButtons();
};

void TestCryptoSettings::firstRun()
{
    TestContext t;
    Opened o(t);
    QUORLIN_CRYPTO_SETTINGS& w = o.window;

    QCOMPARE(w.windowTitle(), QStringLiteral("QUORLIN - CRYPTO SETTINGS"));
    QCOMPARE(w.CANCEL_BUTTON->text(), QStringLiteral("Cancel"));
    QVERIFY(w.CANCEL_BUTTON->isDefault());
    for (const QString& key : kTextKeys)
        QVERIFY2(child<QLineEdit>(w, key)->text().isEmpty(), qPrintable(key));
    for (const Pair& pair : pairsOf(w)) {
        QVERIFY(!pair.main->isChecked() && pair.main->isEnabled());
        QVERIFY(!pair.disabled->isChecked() && !pair.disabled->isEnabled());
        QVERIFY(pair.switchField->isEmpty());
    }
    QCOMPARE(w.CONF_FILE_LOCATION_TEXTBOX, kDefaultConf);
    QVERIFY(w.KD_QT_COMMAND_TEXTBOX.isEmpty());
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestCryptoSettings::loadsStoredFieldsAndLiveConfPath()
{
    TestContext t;
    for (const QString& key : kTextKeys)
        t.fakes.store(key, key.toLower() + QStringLiteral(" \"value\" "));
    t.fakes.store("USE_OWN_CONF_TICKBOX", "1");
    t.fakes.store("CONF_FILE_LOCATION_TEXTBOX", "/stored/own.conf");

    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS settings(t.context, main);
    {
        QUORLIN_CRYPTO_SETTINGS w(t.context, main, settings);
        for (const QString& key : kTextKeys)
            QCOMPARE(child<QLineEdit>(w, key)->text(), key.toLower() + QStringLiteral(" \"value\" "));
        QCOMPARE(w.CONF_FILE_LOCATION_TEXTBOX, QStringLiteral("/stored/own.conf"));
        QCOMPARE(w.parentWidget(), &settings);
    }

    // The path the main settings window shows, saved or not, is the one used.
    settings.CONF_FILE_LOCATION_TEXTBOX->setText(QStringLiteral("/typed/not-saved.conf"));
    QUORLIN_CRYPTO_SETTINGS w(t.context, main, settings);
    QCOMPARE(w.CONF_FILE_LOCATION_TEXTBOX, QStringLiteral("/typed/not-saved.conf"));
}

void TestCryptoSettings::tickPairsAtLoad_data()
{
    QTest::addColumn<int>("pair");
    QTest::addColumn<QString>("storedMain");
    QTest::addColumn<QString>("storedDisabled");
    QTest::addColumn<bool>("mainTicked");
    QTest::addColumn<bool>("mainEnabled");
    QTest::addColumn<bool>("disabledTicked");
    QTest::addColumn<bool>("disabledEnabled");
    QTest::addColumn<QString>("switchText");

    const char* names[] = { "Qt wallet", "daemon wallet", "client daemon" };
    const QString ticked[] = { "-disablewallet=0", "-disablewallet=0", "-daemon=1" };
    const QString both[] = { "-disablewallet=1", "-disablewallet=1", "-daemon=0" };
    for (int pair = 0; pair < 3; ++pair) {
        QTest::addRow("%s 0 0", names[pair]) << pair << "0"
                                             << "0" << false << true << false << false << QString();
        QTest::addRow("%s 1 0", names[pair]) << pair << "1"
                                             << "0" << true << true << false << true << ticked[pair];
        QTest::addRow("%s 1 1", names[pair]) << pair << "1"
                                             << "1" << true << false << true << true << both[pair];
        // Never written by the window: Disabled without its main box.
        QTest::addRow("%s 0 1", names[pair]) << pair << "0"
                                             << "1" << false << true << false << false << QString();
    }
}

void TestCryptoSettings::tickPairsAtLoad()
{
    QFETCH(int, pair);
    QFETCH(QString, storedMain);
    QFETCH(QString, storedDisabled);
    QFETCH(bool, mainTicked);
    QFETCH(bool, mainEnabled);
    QFETCH(bool, disabledTicked);
    QFETCH(bool, disabledEnabled);
    QFETCH(QString, switchText);

    TestContext t;
    t.fakes.store(kTickKeys[2 * pair], storedMain);
    t.fakes.store(kTickKeys[2 * pair + 1], storedDisabled);
    Opened o(t);
    const Pair p = pairsOf(o.window)[pair];

    QCOMPARE(p.main->isChecked(), mainTicked);
    QCOMPARE(p.main->isEnabled(), mainEnabled);
    QCOMPARE(p.disabled->isChecked(), disabledTicked);
    QCOMPARE(p.disabled->isEnabled(), disabledEnabled);
    QCOMPARE(*p.switchField, switchText);
    for (const Pair& any : pairsOf(o.window))
        QVERIFY2(brokenRule(any).isEmpty(), qPrintable(brokenRule(any)));
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestCryptoSettings::randomClicksKeepPairRules()
{
    for (quint32 seed : { 1u, 7u, 42u, 2024u }) {
        TestContext t;
        t.fakes.store(kTickKeys[seed % 6], "1");
        Opened o(t);
        const QList<Pair> pairs = pairsOf(o.window);
        QRandomGenerator random(seed);
        for (int step = 0; step < 300; ++step) {
            const Pair& pair = pairs[random.bounded(3)];
            QCheckBox* box = random.bounded(2) ? pair.main : pair.disabled;
            box->click(); // a greyed box ignores the click, as for the user
            for (const Pair& any : pairs) {
                const QString broken = brokenRule(any);
                QVERIFY2(broken.isEmpty(),
                    qPrintable(QStringLiteral("seed %1 step %2: %3").arg(seed).arg(step).arg(broken)));
            }
        }
        QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
    }
}

void TestCryptoSettings::saveStoresBuildsAndHandsOver()
{
    TestContext t;
    Opened o(t);
    QUORLIN_CRYPTO_SETTINGS& w = o.window;
    for (QPushButton* use : { w.USE_QT_FOLDER_BUTTON, w.USE_QT_FILE_BUTTON, w.USE_DAEMON_FOLDER_BUTTON,
             w.USE_DAEMONCLI_FILE_BUTTON, w.USE_DAEMOND_FILE_BUTTON })
        use->click();
    w.CRYPTO_NAME_TEXTBOX->setText(QStringLiteral("Bitcoin"));
    w.BLOCKCHAIN_HOME_TEXTBOX->setText(QStringLiteral("D:\\BitcoinData"));
    w.QT_WALLET_TICKBOX->click();
    w.DAEMON_WALLET_TICKBOX->click();
    w.DAEMON_DISABLE_WALLET_TICKBOX->click();
    w.CLI_DAEMON_TICKBOX->click();
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());

    const QString sep = kPathSeparator;
    const QString conf = QStringLiteral(" -conf=\"") + kDefaultConf + QStringLiteral("\"");
    const QString qt = "\"C:\\Program Files\\Bitcoin" + sep + "bitcoin-qt.exe\"" + conf
        + " -datadir=\"D:\\BitcoinData\" -disablewallet=0";
    const QString daemon = "\"C:\\Program Files\\Bitcoin\\Daemon" + sep + "bitcoind.exe\"" + conf
        + " -datadir=\"D:\\BitcoinData\" -disablewallet=1";
    const QString stop
        = "\"C:\\Program Files\\Bitcoin\\Daemon" + sep + "bitcoin-cli.exe\"" + conf + " -daemon=1 stop";

    for (int round = 1; round <= 2; ++round) {
        t.fakes.settings.writtenKeys.clear();
        w.SAVE_BUTTON->click();

        QCOMPARE(t.fakes.settings.writtenKeys, kTextKeys + kTickKeys + kCommandKeys);
        QCOMPARE(t.fakes.stored("CRYPTO_NAME_TEXTBOX"), QStringLiteral("Bitcoin"));
        QCOMPARE(t.fakes.stored("QT_LOCATION_TEXTBOX"), QStringLiteral("C:\\Program Files\\Bitcoin"));
        const QStringList ticks { "1", "0", "1", "1", "1", "0" };
        for (int i = 0; i < kTickKeys.size(); ++i)
            QCOMPARE(t.fakes.stored(kTickKeys[i]), ticks[i]);
        QCOMPARE(t.fakes.stored("KD_QT_COMMAND_TEXTBOX"), qt);
        QCOMPARE(t.fakes.stored("KD_D_COMMAND_TEXTBOX"), daemon);
        QCOMPARE(t.fakes.stored("KDCLI_STOP_COMMAND_TEXTBOX"), stop);

        QCOMPARE(o.main.CRYPTO_NAME_TEXTBOX->text(), QStringLiteral("Bitcoin"));
        QCOMPARE(o.main.QT_NAME_TEXTBOX, QStringLiteral("bitcoin-qt.exe"));
        QCOMPARE(o.main.DAEMON_NAME_TEXTBOX, QStringLiteral("bitcoind.exe"));
        QCOMPARE(o.main.CLI_NAME_TEXTBOX, QStringLiteral("bitcoin-cli.exe"));
        QCOMPARE(o.main.KD_QT_COMMAND_TEXTBOX, qt);
        QCOMPARE(o.main.KD_D_COMMAND_TEXTBOX, daemon);
        QCOMPARE(o.main.KDCLI_STOP_COMMAND_TEXTBOX, stop);
        QCOMPARE(w.CANCEL_BUTTON->text(), QStringLiteral("Close"));
        QCOMPARE(o.main.windowTitle(), QStringLiteral("QUORLIN - "));
    }

    // The live main window runs the new line at once.
    o.main.QT_START_BUTTON_Click();
    QCOMPARE(t.fakes.launcher.calls.size(), 1);
    QCOMPARE(t.fakes.launcher.calls[0].commandLine, qt);

    // The output commands window, opened from here, shows the new lines.
    QStringList shown;
    bool done = false;
    QTimer::singleShot(0, [&] {
        auto* output
            = qobject_cast<QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW*>(QApplication::activeModalWidget());
        QVERIFY(output && output->parentWidget() == &w);
        for (QPushButton* button :
            { output->QT_COMMAND_BUTTON, output->DAEMON_COMMAND_BUTTON, output->CLI_STOP_COMMAND_BUTTON }) {
            button->click();
            shown.append(output->ALL_COMMANDS_TEXTBOX->toPlainText());
        }
        output->OK_BUTTON->click();
        done = true;
    });
    w.VIEW_OUTPUT_COMMANDS_BUTTON->click();
    QTRY_VERIFY(done);
    QCOMPARE(shown, QStringList({ qt, daemon, stop }));

    // Reopened, the window shows what was saved and "Cancel" again.
    w.unload();
    QUORLIN_CRYPTO_SETTINGS again(t.context, o.main, o.settings);
    QCOMPARE(again.CANCEL_BUTTON->text(), QStringLiteral("Cancel"));
    QCOMPARE(again.QT_NAME_TEXTBOX->text(), QStringLiteral("bitcoin-qt.exe"));
    QCOMPARE(again.DAEMON_DASH_DISABLE_WALLET_EQUALS_TEXTBOX, QStringLiteral("-disablewallet=1"));
}

void TestCryptoSettings::closingWithoutSaveStoresOnlyPosition_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Cancel button") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("Enter") << 2;
    QTest::newRow("close box") << 3;
}

void TestCryptoSettings::closingWithoutSaveStoresOnlyPosition()
{
    QFETCH(int, way);
    TestContext t;
    t.fakes.store("QT_NAME_TEXTBOX", "stored-qt");
    t.fakes.store("KD_QT_COMMAND_TEXTBOX", "stored command");
    Opened o(t);
    QUORLIN_CRYPTO_SETTINGS& w = o.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.QT_NAME_TEXTBOX->setText(QStringLiteral("edited"));
    w.QT_WALLET_TICKBOX->click();
    w.CANCEL_BUTTON->setFocus();

    switch (way) {
    case 0:
        w.CANCEL_BUTTON->click();
        break;
    case 1:
        QTest::keyClick(&w, Qt::Key_Escape);
        break;
    case 2:
        QTest::keyClick(&w, Qt::Key_Return);
        break;
    default:
        w.close();
    }

    QVERIFY(!w.isVisible());
    QCOMPARE(t.fakes.settings.writtenKeys, QStringList({ "CRYPTO_SETTINGS-Left", "CRYPTO_SETTINGS-Top" }));
    QCOMPARE(o.main.QT_NAME_TEXTBOX, QStringLiteral("stored-qt"));
    QCOMPARE(o.main.KD_QT_COMMAND_TEXTBOX, QStringLiteral("stored command"));
    QUORLIN_CRYPTO_SETTINGS again(t.context, o.main, o.settings);
    QCOMPARE(again.QT_NAME_TEXTBOX->text(), QStringLiteral("stored-qt"));
    QVERIFY(!again.QT_WALLET_TICKBOX->isChecked());
}

void TestCryptoSettings::folderPickers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("field");
    QTest::newRow("data folder") << "BROWSE_BLOCKCHAIN_FOLDER_BUTTON"
                                 << "BLOCKCHAIN HOME FOLDER"
                                 << "BLOCKCHAIN_HOME_TEXTBOX";
    QTest::newRow("Qt folder") << "BROWSE_QT_FOLDER_BUTTON"
                               << "QT - Program folder"
                               << "QT_LOCATION_TEXTBOX";
    QTest::newRow("daemon folder") << "BROWSE_DAEMON_FOLDER_BUTTON"
                                   << "DAEMON - Program Folder"
                                   << "DAEMON_CLI_LOCATION_TEXTBOX";
}

void TestCryptoSettings::folderPickers()
{
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, field);
    TestContext t;
    Opened o(t);
    QLineEdit* box = child<QLineEdit>(o.window, field);
    box->setText(QStringLiteral("typed"));

    t.fakes.dialogs.folderAnswers = { QStringLiteral("/"), std::nullopt };
    child<QPushButton>(o.window, button)->click();
    QCOMPARE(box->text(), QStringLiteral("/")); // a root keeps its separator
    child<QPushButton>(o.window, button)->click();
    QCOMPARE(box->text(), QStringLiteral("/")); // cancelled: unchanged

    QCOMPARE(t.fakes.dialogs.folderTitles, QStringList({ title, title }));
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestCryptoSettings::filePickers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("folderField");
    QTest::addColumn<QString>("field");
    QTest::newRow("Qt file") << "BROWSE_QT_FILE_BUTTON"
                             << "Select QT.exe File"
                             << "QT_LOCATION_TEXTBOX"
                             << "QT_NAME_TEXTBOX";
    QTest::newRow("client file") << "BROWSE_DAEMON_CLI_FILE_BUTTON"
                                 << "Select DAEMON-CLI.exe File"
                                 << "DAEMON_CLI_LOCATION_TEXTBOX"
                                 << "CLI_NAME_TEXTBOX";
    QTest::newRow("daemon file") << "BROWSE_DAEMOND_FILE_BUTTON"
                                 << "Select DAEMOND.exe File"
                                 << "DAEMON_CLI_LOCATION_TEXTBOX"
                                 << "DAEMON_NAME_TEXTBOX";
}

void TestCryptoSettings::filePickers()
{
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, folderField);
    QFETCH(QString, field);
    TestContext t;
    Opened o(t);
    QLineEdit* folder = child<QLineEdit>(o.window, folderField);
    QLineEdit* box = child<QLineEdit>(o.window, field);
    folder->setText(QStringLiteral("/usr/local/bin"));

    // Picked in another folder: only the name is taken, the folder stays.
    const QString picked = QStringLiteral("/elsewhere/node") + kPathSeparator + QStringLiteral("litecoin-x");
    t.fakes.dialogs.fileAnswers = { picked, std::nullopt };
    child<QPushButton>(o.window, button)->click();
    QCOMPARE(box->text(), QStringLiteral("litecoin-x"));
    QCOMPARE(folder->text(), QStringLiteral("/usr/local/bin"));
    child<QPushButton>(o.window, button)->click();
    QCOMPARE(box->text(), QStringLiteral("litecoin-x"));

    QCOMPARE(t.fakes.dialogs.fileRequests.size(), 2);
    const OpenFileRequest& request = t.fakes.dialogs.fileRequests.first();
    QCOMPARE(request.title, title);
    QCOMPARE(request.initialFolder, QStringLiteral("/usr/local/bin"));
    QCOMPARE(request.defaultExtension, QStringLiteral("exe"));
    QCOMPARE(request.filters.size(), 2);
    QCOMPARE(request.filters[0].caption, QStringLiteral("Applications (*.exe)"));
    QCOMPARE(request.filters[0].pattern, QStringLiteral("*.exe"));
    QCOMPARE(request.filters[1].caption, QStringLiteral("All files (*.*)"));
    QCOMPARE(request.filters[1].pattern, QStringLiteral("*.*"));
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestCryptoSettings::useButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("Qt folder") << "USE_QT_FOLDER_BUTTON"
                               << "QT_LOCATION_TEXTBOX"
                               << "C:\\Program Files\\Bitcoin";
    QTest::newRow("Qt file") << "USE_QT_FILE_BUTTON"
                             << "QT_NAME_TEXTBOX"
                             << "bitcoin-qt.exe";
    QTest::newRow("daemon folder") << "USE_DAEMON_FOLDER_BUTTON"
                                   << "DAEMON_CLI_LOCATION_TEXTBOX"
                                   << "C:\\Program Files\\Bitcoin\\Daemon";
    QTest::newRow("client file") << "USE_DAEMONCLI_FILE_BUTTON"
                                 << "CLI_NAME_TEXTBOX"
                                 << "bitcoin-cli.exe";
    QTest::newRow("daemon file") << "USE_DAEMOND_FILE_BUTTON"
                                 << "DAEMON_NAME_TEXTBOX"
                                 << "bitcoind.exe";
}

void TestCryptoSettings::useButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    TestContext t;
    Opened o(t);
    child<QLineEdit>(o.window, field)->setText(QStringLiteral("picked before"));
    QCOMPARE(child<QPushButton>(o.window, button)->text(), QStringLiteral("Use"));
    child<QPushButton>(o.window, button)->click();
    QCOMPARE(child<QLineEdit>(o.window, field)->text(), text);
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

QTEST_MAIN(TestCryptoSettings)
#include "test_crypto_settings.moc"
