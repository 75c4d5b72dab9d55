#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "fakes/fake_platform.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "main_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "node_control/QUORLIN_MAIN.h"
#include "platform/executable.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const QStringList kTextKeys { "CRYPTO_NAME_TEXTBOX", "BLOCKCHAIN_HOME_TEXTBOX", "QT_LOCATION_TEXTBOX",
    "QT_NAME_TEXTBOX", "DAEMON_CLI_LOCATION_TEXTBOX", "CLI_NAME_TEXTBOX", "DAEMON_NAME_TEXTBOX" };
const QStringList kTickKeys { "QT_WALLET_TICKBOX", "QT_DISABLE_WALLET_TICKBOX", "DAEMON_WALLET_TICKBOX",
    "DAEMON_DISABLE_WALLET_TICKBOX", "CLI_DAEMON_TICKBOX", "DISABLE_DAEMON_TICKBOX" };

// The window as the user reaches it: main window, main settings, crypto settings.
struct Opened {
    explicit Opened(TestContext& t)
        : main(t.context)
        , settings(t.context, main)
        , w(t.context, main, settings)
    {
    }
    QUORLIN_MAIN main;
    QUORLIN_MAIN_SETTINGS settings;
    QUORLIN_CRYPTO_SETTINGS w;

    template <typename Widget = QPushButton> Widget* get(const QString& name)
    {
        return w.findChild<Widget*>(name);
    }
};

struct Pair {
    QCheckBox* main;
    QCheckBox* disabled;
    const QString* switchField;
    QString ticked; // switch with the main box ticked
    QString both; // switch with both ticked
};

QList<Pair> pairsOf(QUORLIN_CRYPTO_SETTINGS& w)
{
    return { { w.QT_WALLET_TICKBOX, w.QT_DISABLE_WALLET_TICKBOX, &w.QT_DASH_DISABLE_WALLET_EQUALS_TEXTBOX,
                 "-disablewallet=0", "-disablewallet=1" },
        { w.DAEMON_WALLET_TICKBOX, w.DAEMON_DISABLE_WALLET_TICKBOX,
            &w.DAEMON_DASH_DISABLE_WALLET_EQUALS_TEXTBOX, "-disablewallet=0", "-disablewallet=1" },
        { w.CLI_DAEMON_TICKBOX, w.DISABLE_DAEMON_TICKBOX, &w.DASH_DISABLE_DAEMON_EQUALS_TEXTBOX, "-daemon=1",
            "-daemon=0" } };
}

// The rules every pair keeps in every reachable state; empty when kept.
QString brokenRule(const Pair& p)
{
    const bool main = p.main->isChecked();
    const bool disabled = p.disabled->isChecked();
    if (!main && disabled)
        return "Disabled ticked without its main box";
    if (p.main->isEnabled() == disabled || p.disabled->isEnabled() != main)
        return "greying does not follow the other box";
    const QString expected = !main ? QString() : disabled ? p.both : p.ticked;
    return *p.switchField == expected ? QString() : "switch " + *p.switchField + ", expected " + expected;
}

} // namespace

class TestCryptoSettings : public QObject {
    Q_OBJECT

private slots:
    void tickPairsAtLoad_data();
    void tickPairsAtLoad();
    void randomClicksKeepPairRules();
    void confPathFromLiveMainSettings();
    void saveStoresBuildsAndHandsOver();
    void closingWithoutSaveStoresOnlyPosition_data();
    void closingWithoutSaveStoresOnlyPosition();
    void pickers_data();
    void pickers();
};

void TestCryptoSettings::tickPairsAtLoad_data()
{
    QTest::addColumn<int>("pair");
    QTest::addColumn<QString>("stored"); // main box, Disabled box
    QTest::addColumn<bool>("mainTicked");
    QTest::addColumn<bool>("disabledTicked");
    for (int pair = 0; pair < 3; ++pair) {
        QTest::addRow("pair %d, first run", pair) << pair << "" << false << false;
        QTest::addRow("pair %d, 0 0", pair) << pair << "00" << false << false;
        QTest::addRow("pair %d, 1 0", pair) << pair << "10" << true << false;
        QTest::addRow("pair %d, 1 1", pair) << pair << "11" << true << true;
        // Never written by the window: loads unticked with the empty switch.
        QTest::addRow("pair %d, 0 1", pair) << pair << "01" << false << false;
    }
}

void TestCryptoSettings::tickPairsAtLoad()
{
    QFETCH(int, pair);
    QFETCH(QString, stored);
    TestContext t;
    if (!stored.isEmpty()) {
        t.fakes.store(kTickKeys[2 * pair], stored.left(1));
        t.fakes.store(kTickKeys[2 * pair + 1], stored.mid(1));
    }
    Opened o(t);
    const Pair p = pairsOf(o.w)[pair];
    QTEST(p.main->isChecked(), "mainTicked");
    QTEST(p.disabled->isChecked(), "disabledTicked");
    for (const Pair& any : pairsOf(o.w))
        QVERIFY2(brokenRule(any).isEmpty(), qPrintable(brokenRule(any)));
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestCryptoSettings::randomClicksKeepPairRules()
{
    for (const quint32 seed : { 1u, 7u, 42u, 2024u }) {
        TestContext t;
        t.fakes.store(kTickKeys[seed % 6], "1");
        Opened o(t);
        const QList<Pair> pairs = pairsOf(o.w);
        QRandomGenerator random(seed);
        for (int step = 0; step < 300; ++step) {
            const Pair& p = pairs[random.bounded(3)];
            (random.bounded(2) ? p.main : p.disabled)->click(); // a greyed box ignores it
            for (const Pair& any : pairs)
                QVERIFY2(brokenRule(any).isEmpty(),
                    qPrintable(QString("seed %1 step %2: %3").arg(seed).arg(step).arg(brokenRule(any))));
        }
        QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
    }
}

void TestCryptoSettings::confPathFromLiveMainSettings()
{
    TestContext t;
    Opened o(t);
    QCOMPARE(o.w.CONF_FILE_LOCATION_TEXTBOX, QStringLiteral("/opt/nodes/KD-QUORLIN-CRYPTO-CONFIG.conf"));
    QCOMPARE(o.w.parentWidget(), &o.settings);

    // Shown there but not saved: still the one used.
    o.settings.CONF_FILE_LOCATION_TEXTBOX->setText("/typed/own.conf");
    QUORLIN_CRYPTO_SETTINGS again(t.context, o.main, o.settings);
    QCOMPARE(again.CONF_FILE_LOCATION_TEXTBOX, QStringLiteral("/typed/own.conf"));
}

void TestCryptoSettings::saveStoresBuildsAndHandsOver()
{
    TestContext t;
    Opened o(t);
    for (const char* use : { "USE_QT_FOLDER_BUTTON", "USE_QT_FILE_BUTTON", "USE_DAEMON_FOLDER_BUTTON",
             "USE_DAEMONCLI_FILE_BUTTON", "USE_DAEMOND_FILE_BUTTON" })
        o.get(use)->click();
    o.w.CRYPTO_NAME_TEXTBOX->setText("Bitcoin");
    o.w.BLOCKCHAIN_HOME_TEXTBOX->setText(R"(D:\BitcoinData)");
    for (QCheckBox* box : { o.w.QT_WALLET_TICKBOX, o.w.DAEMON_WALLET_TICKBOX,
             o.w.DAEMON_DISABLE_WALLET_TICKBOX, o.w.CLI_DAEMON_TICKBOX })
        box->click();

    const QString sep = kPathSeparator;
    const QString conf = R"( -conf="/opt/nodes/KD-QUORLIN-CRYPTO-CONFIG.conf")";
    const QString data = R"( -datadir="D:\BitcoinData")";
    const QStringList lines { R"("C:\Program Files\Bitcoin)" + sep + "bitcoin-qt.exe\"" + conf + data
            + " -disablewallet=0",
        R"("C:\Program Files\Bitcoin\Daemon)" + sep + "bitcoind.exe\"" + conf + data + " -disablewallet=1",
        R"("C:\Program Files\Bitcoin\Daemon)" + sep + "bitcoin-cli.exe\"" + conf + " -daemon=1 stop" };

    for (int round = 0; round < 2; ++round) {
        t.fakes.settings.writtenKeys.clear();
        o.w.SAVE_BUTTON->click();
        const QStringList commandKeys { "KD_QT_COMMAND_TEXTBOX", "KD_D_COMMAND_TEXTBOX",
            "KDCLI_STOP_COMMAND_TEXTBOX" };
        QCOMPARE(t.fakes.settings.writtenKeys, kTextKeys + kTickKeys + commandKeys);
        QStringList stored;
        for (const QString& key : kTextKeys + kTickKeys)
            stored.append(t.fakes.stored(key));
        QCOMPARE(stored.join(u'|'),
            R"(Bitcoin|D:\BitcoinData|C:\Program Files\Bitcoin|bitcoin-qt.exe|C:\Program Files\Bitcoin\Daemon|)"
            "bitcoin-cli.exe|bitcoind.exe|1|0|1|1|1|0");
        QCOMPARE(QStringList({ t.fakes.stored("KD_QT_COMMAND_TEXTBOX"),
                     t.fakes.stored("KD_D_COMMAND_TEXTBOX"), t.fakes.stored("KDCLI_STOP_COMMAND_TEXTBOX") }),
            lines);
        QCOMPARE(QStringList({ o.main.KD_QT_COMMAND_TEXTBOX, o.main.KD_D_COMMAND_TEXTBOX,
                     o.main.KDCLI_STOP_COMMAND_TEXTBOX }),
            lines);
        QCOMPARE(QStringList({ o.main.CRYPTO_NAME_TEXTBOX->text(), o.main.QT_NAME_TEXTBOX,
                     o.main.DAEMON_NAME_TEXTBOX, o.main.CLI_NAME_TEXTBOX }),
            QStringList({ "Bitcoin", "bitcoin-qt.exe", "bitcoind.exe", "bitcoin-cli.exe" }));
        QCOMPARE(o.w.CANCEL_BUTTON->text(), QStringLiteral("Close"));
    }
    QCOMPARE(o.main.windowTitle(), QStringLiteral("QUORLIN - ")); // refreshed only at the next start

    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* output
            = qobject_cast<QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW*>(QApplication::activeModalWidget());
        QVERIFY(output && output->parentWidget() == &o.w);
        for (QPushButton* show :
            { output->QT_COMMAND_BUTTON, output->DAEMON_COMMAND_BUTTON, output->CLI_STOP_COMMAND_BUTTON }) {
            show->click();
            shown.append(output->ALL_COMMANDS_TEXTBOX->toPlainText());
        }
        output->OK_BUTTON->click();
    });
    o.w.VIEW_OUTPUT_COMMANDS_BUTTON->click();
    QTRY_COMPARE(shown, lines);

    o.w.unload();
    QUORLIN_CRYPTO_SETTINGS again(t.context, o.main, o.settings);
    QCOMPARE(again.CANCEL_BUTTON->text(), QStringLiteral("Cancel"));
    QCOMPARE(again.DAEMON_DASH_DISABLE_WALLET_EQUALS_TEXTBOX, QStringLiteral("-disablewallet=1"));
}

void TestCryptoSettings::closingWithoutSaveStoresOnlyPosition_data()
{
    QTest::addColumn<int>("key"); // 0: the close box
    QTest::newRow("Cancel button") << int(Qt::Key_Space);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("close box") << 0;
}

void TestCryptoSettings::closingWithoutSaveStoresOnlyPosition()
{
    QFETCH(int, key);
    TestContext t;
    t.fakes.store("QT_NAME_TEXTBOX", "stored-qt");
    t.fakes.store("KD_QT_COMMAND_TEXTBOX", "stored command");
    Opened o(t);
    o.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o.w));
    o.w.QT_NAME_TEXTBOX->setText("edited");
    o.w.QT_WALLET_TICKBOX->click();
    o.w.CANCEL_BUTTON->setFocus();
    if (key)
        QTest::keyClick(key == Qt::Key_Space ? static_cast<QWidget*>(o.w.CANCEL_BUTTON) : &o.w, Qt::Key(key));
    else
        o.w.close();

    QVERIFY(!o.w.isVisible());
    QCOMPARE(t.fakes.settings.writtenKeys, QStringList({ "CRYPTO_SETTINGS-Left", "CRYPTO_SETTINGS-Top" }));
    QCOMPARE(o.main.QT_NAME_TEXTBOX, QStringLiteral("stored-qt"));
    QCOMPARE(o.main.KD_QT_COMMAND_TEXTBOX, QStringLiteral("stored command"));
    QUORLIN_CRYPTO_SETTINGS again(t.context, o.main, o.settings);
    QCOMPARE(again.QT_NAME_TEXTBOX->text(), QStringLiteral("stored-qt"));
    QVERIFY(!again.QT_WALLET_TICKBOX->isChecked());
}

void TestCryptoSettings::pickers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("title"); // empty for a Use button
    QTest::addColumn<QString>("folderField"); // set for a file picker
    QTest::addColumn<QString>("written"); // what the answer "<folder>/x/litecoin-x" or the Use button writes

    const QString picked = QStringLiteral("/x") + kPathSeparator + "litecoin-x";
    QTest::newRow("data folder") << "BROWSE_BLOCKCHAIN_FOLDER_BUTTON"
                                 << "BLOCKCHAIN_HOME_TEXTBOX"
                                 << "BLOCKCHAIN HOME FOLDER"
                                 << "" << picked;
    QTest::newRow("Qt folder") << "BROWSE_QT_FOLDER_BUTTON"
                               << "QT_LOCATION_TEXTBOX"
                               << "QT - Program folder"
                               << "" << picked;
    QTest::newRow("daemon folder") << "BROWSE_DAEMON_FOLDER_BUTTON"
                                   << "DAEMON_CLI_LOCATION_TEXTBOX"
                                   << "DAEMON - Program Folder"
                                   << "" << picked;
    QTest::newRow("Qt file") << "BROWSE_QT_FILE_BUTTON"
                             << "QT_NAME_TEXTBOX"
                             << "Select QT.exe File"
                             << "QT_LOCATION_TEXTBOX"
                             << "litecoin-x";
    QTest::newRow("client file") << "BROWSE_DAEMON_CLI_FILE_BUTTON"
                                 << "CLI_NAME_TEXTBOX"
                                 << "Select DAEMON-CLI.exe File"
                                 << "DAEMON_CLI_LOCATION_TEXTBOX"
                                 << "litecoin-x";
    QTest::newRow("daemon file") << "BROWSE_DAEMOND_FILE_BUTTON"
                                 << "DAEMON_NAME_TEXTBOX"
                                 << "Select DAEMOND.exe File"
                                 << "DAEMON_CLI_LOCATION_TEXTBOX"
                                 << "litecoin-x";
    QTest::newRow("Use Qt folder") << "USE_QT_FOLDER_BUTTON"
                                   << "QT_LOCATION_TEXTBOX"
                                   << ""
                                   << ""
                                   << R"(C:\Program Files\Bitcoin)";
    QTest::newRow("Use Qt file") << "USE_QT_FILE_BUTTON"
                                 << "QT_NAME_TEXTBOX"
                                 << ""
                                 << ""
                                 << "bitcoin-qt.exe";
    QTest::newRow("Use daemon folder") << "USE_DAEMON_FOLDER_BUTTON"
                                       << "DAEMON_CLI_LOCATION_TEXTBOX"
                                       << ""
                                       << ""
                                       << R"(C:\Program Files\Bitcoin\Daemon)";
    QTest::newRow("Use client file") << "USE_DAEMONCLI_FILE_BUTTON"
                                     << "CLI_NAME_TEXTBOX"
                                     << ""
                                     << ""
                                     << "bitcoin-cli.exe";
    QTest::newRow("Use daemon file") << "USE_DAEMOND_FILE_BUTTON"
                                     << "DAEMON_NAME_TEXTBOX"
                                     << ""
                                     << ""
                                     << "bitcoind.exe";
}

void TestCryptoSettings::pickers()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, title);
    QFETCH(QString, folderField);
    QFETCH(QString, written);
    TestContext t;
    Opened o(t);
    QLineEdit* box = o.get<QLineEdit>(field);
    box->setText("before");
    if (!folderField.isEmpty())
        o.get<QLineEdit>(folderField)->setText("/usr/local/bin");
    const QString picked = QStringLiteral("/x") + kPathSeparator + "litecoin-x";
    t.fakes.dialogs.folderAnswers = { picked, std::nullopt };
    t.fakes.dialogs.fileAnswers = { picked, std::nullopt };

    o.get(button)->click();
    QCOMPARE(box->text(), written);
    o.get(button)->click(); // cancelled, or the same fixed text again
    QCOMPARE(box->text(), written);
    if (!folderField.isEmpty())
        QCOMPARE(o.get<QLineEdit>(folderField)->text(), QStringLiteral("/usr/local/bin"));
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());

    if (title.isEmpty()) {
        QCOMPARE(o.get(button)->text(), QStringLiteral("Use"));
    } else if (folderField.isEmpty()) {
        QCOMPARE(t.fakes.dialogs.folderTitles, QStringList({ title, title }));
    } else {
        QCOMPARE(t.fakes.dialogs.fileRequests.size(), 2);
        const OpenFileRequest& asked = t.fakes.dialogs.fileRequests.first();
        QCOMPARE(asked.title, title);
        QCOMPARE(asked.initialFolder, QStringLiteral("/usr/local/bin"));
        QCOMPARE(asked.defaultExtension, QStringLiteral("exe"));
        QCOMPARE(QStringList({ asked.filters.value(0).caption, asked.filters.value(0).pattern,
                     asked.filters.value(1).caption, asked.filters.value(1).pattern }),
            QStringList({ "Applications (*.exe)", "*.exe", "All files (*.*)", "*.*" }));
    }
}

QTEST_MAIN(TestCryptoSettings)
#include "test_crypto_settings.moc"
