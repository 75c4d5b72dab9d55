#include "fakes/crypto_settings_rig.h"

#include <QtTest>

namespace {

// What the "Use" buttons fill in: a Windows installation's folders and .exe names, or elsewhere the programs
// a package puts in /usr/bin.
#ifdef Q_OS_WIN
const QString kQtFolder = R"(C:\Program Files\Bitcoin)", kDaemonFolder = R"(C:\Program Files\Bitcoin\Daemon)",
              kExe = ".exe";
#else
const QString kQtFolder = "/usr/bin", kDaemonFolder = "/usr/bin", kExe = "";
#endif

// The first rule a tick box pair breaks, or an empty text: Disabled only beside a ticked main box, each box
// greyed by the other, the pair's switch.
QString brokenRule(const CryptoSettingsRig& o)
{
    const QStringList fields = o.savedSwitches();
    const char* switches[3][2] { { "-disablewallet=0", "-disablewallet=1" },
        { "-disablewallet=0", "-disablewallet=1" }, { "-daemon=1", "-daemon=0" } };
    for (int pair = 0; pair < 3; ++pair) {
        const bool main = o.box(2 * pair)->isChecked(), disabled = o.box(2 * pair + 1)->isChecked();
        if ((!main && disabled) || o.box(2 * pair)->isEnabled() == disabled
            || o.box(2 * pair + 1)->isEnabled() != main
            || fields[pair] != (main ? switches[pair][disabled] : ""))
            return kSwitchTickBoxes[2 * pair] + " pair broken, switch " + fields[pair];
    }
    return {};
}

} // namespace

class TestCryptoSettings : public QObject {
    Q_OBJECT

private slots:
    // Per pair (Qt wallet, daemon wallet, CLI daemon), its boxes stored ticked and those loaded ticked: "-",
    // "main", "disabled" or "both".
    void tickPairs_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("ticked");
        const auto row = [](const char* tag, const char* stored, const char* ticked) {
            QTest::newRow(tag) << QString(stored) << QString(ticked);
        };
        row("first run: nothing stored", "", "- - -");
        row("Disabled alone loads unticked", "main both disabled", "main both -");
        row("Qt wallet both ticked", "both disabled -", "both - -");
        row("CLI daemon both ticked", "disabled main both", "- main both");
        row("CLI daemon main ticked", "- - main", "- - main");
    }

    // Every stored combination at load, then random clicks from there.
    void tickPairs()
    {
        const QStringList states { "-", "main", "disabled", "both" }; // main + 2 * disabled
        QFETCH(QString, stored);
        const QStringList storedPairs = stored.split(' ', Qt::SkipEmptyParts);
        QStringList storedBoxes;
        for (int i = 0; i < storedPairs.size(); ++i) {
            const int state = int(states.indexOf(storedPairs[i]));
            storedBoxes << kSwitchTickBoxes[2 * i] + '=' + QString::number(state & 1)
                        << kSwitchTickBoxes[2 * i + 1] + '=' + QString::number(state >> 1);
        }
        const CryptoSettingsRig o(storedBoxes);
        QStringList ticked;
        for (int pair = 0; pair < 3; ++pair)
            ticked << states[int(o.box(2 * pair)->isChecked()) + 2 * int(o.box(2 * pair + 1)->isChecked())];
        QTEST(ticked.join(' '), "ticked");
        QRandomGenerator random(qHash(stored));
        for (int step = 0; step < 300; ++step) {
            QVERIFY2(
                brokenRule(o).isEmpty(), qPrintable(QString("step %1: %2").arg(step).arg(brokenRule(o))));
            o.box(random.bounded(6))->click(); // a greyed box ignores it
        }
    }

    void saveStoresBuildsAndHandsOver(); // defined below: moc misreads its raw strings
};

// The example buttons and the pickers fill the fields; Save stores them, builds the lines, hands them to the
// main window and turns Cancel into Close.
void TestCryptoSettings::saveStoresBuildsAndHandsOver()
{
    CryptoSettingsRig o;
    TestContext& t = o.t;
    for (const char* use : { "USE_QT_FOLDER_BUTTON", "USE_QT_FILE_BUTTON", "USE_DAEMON_FOLDER_BUTTON",
             "USE_DAEMONCLI_FILE_BUTTON", "USE_DAEMOND_FILE_BUTTON" })
        ctl<QPushButton>(o.w, use)->click();
    // Cancelled pickers keep the field; a file picker writes the file's name only.
    const QString sep = QDir::separator(); // as this platform joins a folder and a file
    t.fakes.dialogs.folderAnswers = { R"(D:\BitcoinData)" };
    t.fakes.dialogs.fileAnswers = { std::nullopt, "/elsewhere" + sep + "btc-cli" };
    for (const char* browse :
        { "BROWSE_BLOCKCHAIN_FOLDER_BUTTON", "BROWSE_QT_FOLDER_BUTTON", "BROWSE_DAEMON_FOLDER_BUTTON",
            "BROWSE_QT_FILE_BUTTON", "BROWSE_DAEMON_CLI_FILE_BUTTON", "BROWSE_DAEMOND_FILE_BUTTON" })
        ctl<QPushButton>(o.w, browse)->click();
    QStringList asked = t.fakes.dialogs.folderTitles;
    for (const OpenFileRequest& file : t.fakes.dialogs.fileRequests)
        asked << file.title + " in " + file.initialFolder;
    QCOMPARE(asked.join(u'|'),
        "BLOCKCHAIN HOME FOLDER|QT - Program folder|DAEMON - Program Folder|Select QT.exe File in "
            + kQtFolder + "|Select DAEMON-CLI.exe File in " + kDaemonFolder + "|Select DAEMOND.exe File in "
            + kDaemonFolder);
    QCOMPARE(t.fakes.dialogs.fileRequests[0].filters.value(0).caption, "Applications (*.exe)");
    ctl<QLineEdit>(o.w, "CRYPTO_NAME_TEXTBOX")->setText("Bitcoin");
    for (int i : { 0, 2, 3, 4 })
        o.box(i)->click();
    QCOMPARE(ctl<QPushButton>(o.w, "CANCEL_BUTTON")->text(), "Cancel");
    t.fakes.settings.writtenValues.clear();
    t.fakes.settings.commits = 0;
    ctl<QPushButton>(o.w, "SAVE_BUTTON")->click();
    QCOMPARE(t.fakes.settings.commits, 1);

    const QString conf = R"(" -conf="/opt/nodes)" + sep + R"(KD-QUORLIN-CRYPTO-CONFIG.conf")";
    const QString data = R"( -datadir="D:\BitcoinData")", daemon = '"' + kDaemonFolder;
    const QStringList lines { '"' + kQtFolder + sep + "bitcoin-qt" + kExe + conf + data + " -disablewallet=0",
        daemon + sep + "bitcoind" + kExe + conf + data + " -disablewallet=1",
        daemon + sep + "btc-cli" + conf + " -daemon=1 stop" };
    QCOMPARE(t.fakes.settings.writtenValues,
        QStringList({ "CRYPTO_NAME_TEXTBOX=Bitcoin", R"(BLOCKCHAIN_HOME_TEXTBOX=D:\BitcoinData)",
            "QT_LOCATION_TEXTBOX=" + kQtFolder, "QT_NAME_TEXTBOX=bitcoin-qt" + kExe,
            "DAEMON_CLI_LOCATION_TEXTBOX=" + kDaemonFolder, "CLI_NAME_TEXTBOX=btc-cli",
            "DAEMON_NAME_TEXTBOX=bitcoind" + kExe, "QT_WALLET_TICKBOX=1", "QT_DISABLE_WALLET_TICKBOX=0",
            "DAEMON_WALLET_TICKBOX=1", "DAEMON_DISABLE_WALLET_TICKBOX=1", "CLI_DAEMON_TICKBOX=1",
            "DISABLE_DAEMON_TICKBOX=0", "KD_QT_COMMAND_TEXTBOX=" + lines[0],
            "KD_D_COMMAND_TEXTBOX=" + lines[1], "KDCLI_STOP_COMMAND_TEXTBOX=" + lines[2] }));
    QCOMPARE(QStringList({ o.main.KD_QT_COMMAND_TEXTBOX(), o.main.KD_D_COMMAND_TEXTBOX(),
                 o.main.KDCLI_STOP_COMMAND_TEXTBOX(), ctl<QLineEdit>(o.main, "CRYPTO_NAME_TEXTBOX")->text(),
                 o.main.QT_NAME_TEXTBOX(), o.main.DAEMON_NAME_TEXTBOX(), o.main.CLI_NAME_TEXTBOX() }),
        lines + QStringList({ "Bitcoin", "bitcoin-qt" + kExe, "bitcoind" + kExe, "btc-cli" }));
    QCOMPARE(ctl<QPushButton>(o.w, "CANCEL_BUTTON")->text(), "Close");
}

QTEST_MAIN(TestCryptoSettings)
#include "test_crypto_settings.moc"
