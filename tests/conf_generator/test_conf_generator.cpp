#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_generator/coin_presets.h"
#include "conf_generator/rpc_test_credentials.h"
#include "core/look.h"
#include "core/multi_line_box.h"
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "fakes/isolated_child.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QMessageAuthenticationCode>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sys/mount.h>
#include <unistd.h>

class TestConfGenerator : public QObject {
    Q_OBJECT

private slots:
    void clicksSetTheLines_data();
    void clicksSetTheLines();
    void firstRunSaveReopenAndClearAll();
    void saveReplacesTheFileInOneStep();
    void previewSelectionSurvivesATick();
    void failedWriteKeepsTheOldFileAndTheWindow_data();
    void failedWriteKeepsTheOldFileAndTheWindow();
    void otherExecutableNameKeepsItsOwnFileAndSettings();
    void presets();
    void goBackWritesAndStoresNothing();
    void credentialPresetsFollowTheRpcauthScheme();
    void credentials_data();
    void credentials();
    void newSecureCredentials();
};

namespace {

// A main and a conf generator window over fakes; the executable's folder is a temporary one.
struct ConfGeneratorRig {
    void open() { window = std::make_unique<QUORLIN_CONF_GENERATOR_MAIN>(context, &mainWindow); }
    QString confPath() const { return folder.path() + "/KD-QUORLIN-CRYPTO-CONFIG.conf"; }

    // The preview after the renderer's next tick, and line n (from 1) of it.
    QString preview() const
    {
        QMetaObject::invokeMethod(window.get(), "CONF_OUTPUT_TIMER_Timer");
        return ctl<MultiLineBox>(*window, "CONF_OUTPUT_TEXTBOX")->text();
    }
    QString line(int n) const { return preview().split("\r\n").value(n - 1); }

    QTemporaryDir folder;
    FakePlatform fakes;
    AppContext context { (fakes.executable.folder = folder.path(), fakes.platform()) };
    QUORLIN_MAIN mainWindow { context };
    std::unique_ptr<QUORLIN_CONF_GENERATOR_MAIN> window
        = std::make_unique<QUORLIN_CONF_GENERATOR_MAIN>(context, &mainWindow);
};

// A first run's text: 25 lines, the last (the empty node list) without a line end.
const QString kFirstRunText
    = "# -  - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -\r\n"
      "#wallet=\r\n#disablewallet=0\r\n#server=0\r\n#alerts=0\r\n#listen=0\r\n#upnp=0\r\n"
      "#dns=0\r\n#daemon=0\r\n#allowip=127.0.0.1\r\n#rpcallowip=127.0.0.1\r\n#timeout=\r\n"
      "#rpctimeout=\r\n#maxconnections=\r\n#port=\r\n#rpcport=\r\n#uacomment=\r\n\r\n"
      "#rpcuser=\r\n#rpcpassword=\r\n#rpcauth=\r\n\r\n\r\n\r\n";

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int enabledPresetButtons(const QUORLIN_CONF_GENERATOR_IDS& presets)
{
    const QList<QPushButton*> buttons = presets.findChildren<QPushButton*>();
    return int(std::count_if(buttons.begin(), buttons.end(), [&](const QPushButton* b) {
        return b != ctl<QPushButton>(presets, "CANCEL_BUTTON") && b->isEnabled();
    }));
}

QList<int> greenButtons(const QUORLIN_CONF_GENERATOR_TEST_RPC& credentials)
{
    QList<int> green;
    for (int n = 1; n <= kRpcTestPresetCount; ++n)
        if (credentials.presetButtons()[n - 1]->palette().color(QPalette::Button) == colourFromBgr(kGreenBgr))
            green.append(n);
    return green;
}

QStringList rpcBoxes(const QUORLIN_CONF_GENERATOR_MAIN& conf)
{
    const ConfFields fields = conf.fields();
    return { fields.rpcUser, fields.rpcPassword, fields.rpcAuth };
}

QStringList rpcBoxes(const QUORLIN_CONF_GENERATOR_TEST_RPC& w)
{
    return { ctl<QLineEdit>(w, "RPC_USER_TEXTBOX")->text(),
        ctl<MultiLineBox>(w, "RPC_PASSWORD_TEXTBOX")->text(),
        ctl<MultiLineBox>(w, "RPC_AUTH_TEXTBOX")->text() };
}

// User, password and rpcauth line as the presets make them: 32 random bytes in
// URL-safe base64, and user:salt$hash, the hash being HMAC-SHA256 keyed with
// the salt text, of the password.
void checkRpcauthScheme(const QStringList& credentials)
{
    const QString& password = credentials[1];
    QVERIFY2(QRegularExpression("^[A-Za-z0-9_-]{43}=$").match(password).hasMatch(), qPrintable(password));
    const QRegularExpressionMatch auth
        = QRegularExpression("^([^:]+):([0-9a-f]{32})\\$([0-9a-f]{64})$").match(credentials[2]);
    QVERIFY2(auth.hasMatch(), qPrintable(credentials[2]));
    QCOMPARE(auth.captured(1), credentials[0]);
    const QByteArray salt = auth.captured(2).toLatin1();
    QCOMPARE(auth.captured(3).toLatin1(),
        QMessageAuthenticationCode::hash(password.toUtf8(), salt, QCryptographicHash::Sha256).toHex());
}

} // namespace

void TestConfGenerator::clicksSetTheLines_data()
{
    QTest::addColumn<QStringList>("clicks"); // a greyed tick box ignores a click
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");

    const QString wallet = "WALLET_TICKBOX", disabled = "DISABLE_WALLET_TICKBOX";
    const QString old = "OLD_WALLET_SUPPORT_TICKBOX", daemon = "DAEMON_TICKBOX";
    QTest::newRow("NO2X replaces the comment") << QStringList { "NO_2X_BUTTON" } << 17 << "uacomment=NO2X";
    QTest::newRow("Wallet enables Disabled") << QStringList { wallet, disabled } << 3 << "disablewallet=1";
    QTest::newRow("Wallet off greys Disabled")
        << QStringList { wallet, disabled, wallet, disabled } << 3 << "#disablewallet=0";
    QTest::newRow("OLD enables Daemon") << QStringList { old, daemon } << 9 << "daemon=1";
    QTest::newRow("OLD off greys Daemon") << QStringList { old, daemon, old, daemon } << 9 << "#daemon=0";
}

void TestConfGenerator::clicksSetTheLines()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, line);
    QFETCH(QString, expected);

    ConfGeneratorRig rig;
    ctl<QLineEdit>(*rig.window, "UACOMMENT_TEXTBOX")->setText("my node");
    for (const QString& name : clicks) {
        rig.window->findChild<QAbstractButton*>(name)->click();
        rig.preview();
    }
    QCOMPARE(rig.line(line), expected);
}

void TestConfGenerator::firstRunSaveReopenAndClearAll()
{
    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& w = *rig.window;
    QCOMPARE(w.windowTitle(), "QUORLIN - CRYPTO \".CONF\" CONFIGURATION FILE GENERATOR");
    QVERIFY(w.CONF_OUTPUT_TIMER.isActive() && w.CONF_OUTPUT_TIMER.interval() == 1000);
    QCOMPARE(ctl<MultiLineBox>(w, "CONF_OUTPUT_TEXTBOX")->text(), kFirstRunText); // before the first tick
    QVERIFY(!ctl<QCheckBox>(w, "DISABLE_WALLET_TICKBOX")->isEnabled()
        && !ctl<QCheckBox>(w, "DAEMON_TICKBOX")->isEnabled());
    QCOMPARE(ctl<QLineEdit>(w, "CONF_FILE_LOCATION_TEXTBOX")->text(), rig.confPath());

    QVERIFY(writeFile(rig.confPath(), QByteArray(20000, 'x')));
    for (const char* box : { "WALLET_TICKBOX", "DISABLE_WALLET_TICKBOX", "SERVER_TICKBOX", "LISTEN_TICKBOX",
             "OLD_WALLET_SUPPORT_TICKBOX", "RPC_LOCALHOST_TICKBOX" })
        ctl<QCheckBox>(w, box)->click();
    const std::pair<const char*, const char*> texts[] = { { "WALLET_FILE_TEXTBOX", "wallet.dat" },
        { "TIMEOUT_TEXTBOX", "3000" }, { "RPC_TIMEOUT_TEXTBOX", "0" }, { "MAX_CONNECTIONS_TEXTBOX", " " },
        { "PEER_PORT_TEXTBOX", "9333" }, { "RPC_PORT_TEXTBOX", "9332" }, { "UACOMMENT_TEXTBOX", "Grüße" },
        { "RPC_USER_TEXTBOX", "IM_ALL_IN" }, { "RPC_PASSWORD_TEXTBOX", "secret" } };
    for (const auto& [box, text] : texts)
        ctl<QLineEdit>(w, box)->setText(text);
    ctl<MultiLineBox>(w, "RPC_AUTH_TEXTBOX")->setText("IM_ALL_IN:ab$cd\r\nsecond line");
    w.FULL_NODE_LIST_TEXTBOX = "addnode=10.0.0.1\r\naddnode=10.0.0.2";
    // Ctrl+Enter starts a new line in the user block; Enter in the name saves.
    w.show();
    MultiLineBox* const userBlock = ctl<MultiLineBox>(w, "USER_DEFINED_SETTINGS_TEXTBOX");
    QTest::keyClicks(userBlock, "regtest=1");
    QTest::keyClick(userBlock, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(userBlock, "txindex=1");
    QTest::keyClicks(ctl<QLineEdit>(w, "CRYPTO_NAME_TEXTBOX"), "LTC - Litecoin");
    rig.fakes.dialogs.proceedAnswers = { true };
    QTest::keyClick(ctl<QLineEdit>(w, "CRYPTO_NAME_TEXTBOX"), Qt::Key_Return);

    // On regtest the node refuses five lines; "Save anyway" saves as SAVE always has.
    const QString refused = ": the node refuses to start (on this chain only in [regtest])\n";
    QCOMPARE(rig.fakes.dialogs.questions,
        QStringList("QUORLIN - CHECKED AGAINST YOUR NODE\nWhat your node will do with this file:\n\n"
                    "Line 2, wallet"
            + refused + "Line 15, port" + refused + "Line 16, rpcport" + refused + "Line 27, addnode"
            + refused + "Line 28, addnode" + refused
            + "\nUnknown keys were not checked: no daemon command line is set.\nSave anyway\nGo back"));

    const QStringList expected { "MAIN-Left", "MAIN-Top", "CRYPTO_NAME_TEXTBOX=LTC - Litecoin",
        "WALLET_FILE_TEXTBOX=wallet.dat", "WALLET_TICKBOX=1", "DISABLE_WALLET_TICKBOX=1", "SERVER_TICKBOX=1",
        "ALERTS_TICKBOX=0", "LISTEN_TICKBOX=1", "UPNP_TICKBOX=0", "DNS_TICKBOX=0",
        "OLD_WALLET_SUPPORT_TICKBOX=1", "DAEMON_TICKBOX=0", "PEER_LOCALHOST_TICKBOX=0",
        "RPC_LOCALHOST_TICKBOX=1", "TIMEOUT_TEXTBOX=3000", "RPC_TIMEOUT_TEXTBOX=0",
        "MAX_CONNECTIONS_TEXTBOX= ", "PEER_PORT_TEXTBOX=9333", "RPC_PORT_TEXTBOX=9332",
        "UACOMMENT_TEXTBOX=Grüße", "RPC_USER_TEXTBOX=IM_ALL_IN", "RPC_PASSWORD_TEXTBOX=secret",
        "RPC_AUTH_TEXTBOX=IM_ALL_IN:ab$cd\r\nsecond line",
        "FULL_NODE_LIST_TEXTBOX=addnode=10.0.0.1\r\naddnode=10.0.0.2",
        "USER_DEFINED_SETTINGS_TEXTBOX=regtest=1\r\ntxindex=1" };
    QCOMPARE(rig.fakes.settings.writtenKeys.mid(0, 2) + rig.fakes.settings.writtenValues.mid(2), expected);
    QCOMPARE(ctl<QLineEdit>(rig.mainWindow, "CRYPTO_NAME_TEXTBOX")->text(), "LTC - Litecoin");
    QCOMPARE(ctl<QPushButton>(w, "CANCEL_BUTTON")->text(), "Close");
    QVERIFY(w.isVisible() && rig.fakes.dialogs.errors.isEmpty());

    // Saved at once: the preview is rendered from the edits; the file is it and CR LF.
    const QString preview = ctl<MultiLineBox>(w, "CONF_OUTPUT_TEXTBOX")->text();
    QVERIFY(
        preview.endsWith("\r\nrpcauth=IM_ALL_IN:ab$cd\r\nsecond line\r\n\r\nregtest=1\r\ntxindex=1\r\n\r\n"
                         "addnode=10.0.0.1\r\naddnode=10.0.0.2"));
    QCOMPARE(preview.split("\r\n").mid(8, 6),
        QStringList({ "daemon=0", "#allowip=127.0.0.1", "rpcallowip=127.0.0.1", "timeout=3000",
            "rpctimeout=0", "maxconnections= " }));
    QCOMPARE(fileBytes(rig.confPath()), preview.toUtf8() + "\r\n");
#ifndef _WIN32
    QCOMPARE(QFileInfo(rig.confPath()).permissions() & QFileDevice::Permissions(0x7077),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#endif

    ctl<QPushButton>(*rig.window, "CANCEL_BUTTON")->click();
    rig.open();
    QCOMPARE(ctl<MultiLineBox>(*rig.window, "CONF_OUTPUT_TEXTBOX")->text(), preview);
    for (QCheckBox* box : rig.window->findChildren<QCheckBox*>())
        box->setChecked(true);
    ctl<QPushButton>(*rig.window, "CLEAR_ALL_BUTTON")->click();
    QVERIFY(!ctl<QCheckBox>(*rig.window, "DISABLE_WALLET_TICKBOX")->isEnabled()
        && !ctl<QCheckBox>(*rig.window, "DAEMON_TICKBOX")->isEnabled());
    QCOMPARE(ctl<QLineEdit>(*rig.window, "CONF_FILE_LOCATION_TEXTBOX")->text(), rig.confPath());
    QCOMPARE(rig.preview(), kFirstRunText); // every field empty, every tick box unticked
    // Reopening and cancelling after Clear ALL store the position only.
    ctl<QPushButton>(*rig.window, "CANCEL_BUTTON")->click();
    QCOMPARE(rig.fakes.settings.writtenKeys.mid(26),
        QStringList({ "MAIN-Left", "MAIN-Top", "MAIN-Left", "MAIN-Top" }));
}

// A new file takes the old one's place: a second hard link to the old file
// keeps the old bytes, so a save cut short can never leave a half-written file.
void TestConfGenerator::saveReplacesTheFileInOneStep()
{
    ConfGeneratorRig rig;
    const QString link = rig.folder.path() + "/link.conf";
    QVERIFY(writeFile(rig.confPath(), "old"));
    std::filesystem::create_hard_link(rig.confPath().toStdString(), link.toStdString());
    ctl<QPushButton>(*rig.window, "SAVE_BUTTON")->click();
    QCOMPARE(fileBytes(rig.confPath()), kFirstRunText.toUtf8() + "\r\n");
    QCOMPARE(fileBytes(link), "old");
}

// The user can select and copy from the preview: a tick that renders the
// same text leaves the selection alone.
void TestConfGenerator::previewSelectionSurvivesATick()
{
    ConfGeneratorRig rig;
    MultiLineBox& preview = *ctl<MultiLineBox>(*rig.window, "CONF_OUTPUT_TEXTBOX");
    QTextCursor selection = preview.textCursor();
    selection.setPosition(7);
    selection.setPosition(24, QTextCursor::KeepAnchor);
    preview.setTextCursor(selection);
    QSignalSpy tick(&rig.window->CONF_OUTPUT_TIMER, &QTimer::timeout);
    QVERIFY(tick.wait(5000));
    QCOMPARE(preview.textCursor().selectedText(), "CONF FILE CREATED");
}

void TestConfGenerator::failedWriteKeepsTheOldFileAndTheWindow_data()
{
    QTest::addColumn<int>("isolation"); // -1: none, else an Isolation
    QTest::addColumn<QString>("reason");
    const auto row = [](const char* name, int isolation, const char* reason) {
        QTest::newRow(name) << isolation << QString::fromLatin1(reason);
    };
    row("read-only folder", int(Isolation::NormalUser), "Permission denied");
    row("a folder in the file's place", -1, "a folder");
    row("link to a private file", -1, "symbolic link");
    row("dangling link", -1, "symbolic link");
    row("another user's file", -1, "another user");
    row("full disk", int(Isolation::OwnMounts), "No space left");
}

// Nothing is written, no file is left behind, the message names the path and
// why, and the window stays open.
void TestConfGenerator::failedWriteKeepsTheOldFileAndTheWindow()
{
    QFETCH(int, isolation);
    QFETCH(QString, reason);
    if (isolation >= 0)
        QUORLIN_RUN_ISOLATED(Isolation(isolation));
    const QString tag = QString::fromLatin1(QTest::currentDataTag());

    ConfGeneratorRig rig;
    const QString folder = rig.folder.path();
    const QString path = rig.confPath();
    if (tag == "full disk") {
        QVERIFY2(
            ::mount("quorlin", QFile::encodeName(folder), "tmpfs", 0, "size=16k") == 0, std::strerror(errno));
    }
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(folder), MNT_DETACH); });
    // The file the save must leave as it is, and its bytes.
    const QString kept = tag.contains("folder in") ? path + "/inside"
        : tag.contains("link")                     ? folder + "/private"
                                                   : path;
    QVERIFY(!tag.contains("folder in") || QDir().mkdir(path));
    QVERIFY(writeFile(kept, "kept"));
    const QString elsewhere = folder + "/elsewhere";
    if (tag.contains("link"))
        QVERIFY(QFile::link(tag == "dangling link" ? elsewhere : kept, path));
    // As root, the link is planted by another user, as in a shared folder.
    if (tag.contains("link") && ::geteuid() == 0)
        QVERIFY(::lchown(QFile::encodeName(path), 65534, 65534) == 0);
    if (tag == "another user's file" && ::chown(QFile::encodeName(path), 65534, 65534) != 0)
        QSKIP("Only root can give a file to another user here.");
    if (tag == "read-only folder")
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (tag == "full disk") {
        QFile filler(folder + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(512, 'f')) == 512) { }
    }
    const QStringList entries
        = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

    rig.window->show();
    ctl<QPushButton>(*rig.window, "SAVE_BUTTON")->click();
    QFile::setPermissions(folder, QFileDevice::Permissions(0x7700)); // owner may do all again

    QCOMPARE(rig.fakes.dialogs.errors.size(), 1);
    const QString message = rig.fakes.dialogs.errors.value(0);
    QVERIFY2(message.contains(path) && message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
    QVERIFY(rig.window->isVisible());
    QCOMPARE(rig.fakes.settings.writtenKeys.size(), 26);
    QCOMPARE(fileBytes(kept), "kept");
    QVERIFY(!QFileInfo::exists(elsewhere));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), entries);
}

void TestConfGenerator::otherExecutableNameKeepsItsOwnFileAndSettings()
{
    ConfGeneratorRig rig;
    ctl<QLineEdit>(*rig.window, "CRYPTO_NAME_TEXTBOX")->setText("BTC - Bitcoin");
    ctl<QPushButton>(*rig.window, "SAVE_BUTTON")->click();

    // A copy of the executable under another name, in the same folder, over the same store.
    Platform copy = rig.context.platform;
    copy.executable.name = "BTC-NODE";
    AppContext copyContext(copy);
    QUORLIN_MAIN copyMain(copyContext);
    QUORLIN_CONF_GENERATOR_MAIN copyWindow(copyContext, &copyMain);
    QCOMPARE(ctl<QLineEdit>(copyWindow, "CRYPTO_NAME_TEXTBOX")->text(), QString());
    ctl<QLineEdit>(copyWindow, "CRYPTO_NAME_TEXTBOX")->setText("NMC - Namecoin");
    ctl<QPushButton>(copyWindow, "SAVE_BUTTON")->click();

    QVERIFY(fileBytes(rig.confPath()).startsWith("# - BTC - Bitcoin - "));
    QVERIFY(
        fileBytes(rig.folder.path() + "/BTC-NODE-CRYPTO-CONFIG.conf").startsWith("# - NMC - Namecoin - "));
    ctl<QPushButton>(*rig.window, "CANCEL_BUTTON")->click();
    rig.open();
    QCOMPARE(ctl<QLineEdit>(*rig.window, "CRYPTO_NAME_TEXTBOX")->text(), "BTC - Bitcoin");
}

void TestConfGenerator::goBackWritesAndStoresNothing()
{
    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& w = *rig.window;
    const QString daemon = rig.folder.path() + "/litecoind";
    QVERIFY(writeFile(daemon, "program"));
    rig.fakes.programs.outputs.insert(daemon + " -help",
        "Litecoin Core version v0.21.2.1\n\n  -server\n  -rpcallowip=<ip>\n  -port=<port>\n");
    rig.context.node.setText(NodeText::DaemonCommand, '"' + daemon + "\" -datadir=/tmp");
    rig.fakes.settings.writtenKeys.clear();
    QVERIFY(writeFile(rig.confPath(), "old"));

    for (const char* box : { "ALERTS_TICKBOX", "SERVER_TICKBOX", "RPC_LOCALHOST_TICKBOX" })
        ctl<QCheckBox>(w, box)->click();
    ctl<QLineEdit>(w, "PEER_PORT_TEXTBOX")->setText("9333");
    ctl<MultiLineBox>(w, "USER_DEFINED_SETTINGS_TEXTBOX")->setText("regtest=1");
    ctl<QPushButton>(w, "SAVE_BUTTON")->click();
    QCOMPARE(rig.fakes.dialogs.questions.size(), 1);
    QCOMPARE(rig.fakes.dialogs.questions[0].split('\n').mid(3, 5),
        QStringList({ "Line 5, alerts: the node ignores it (not among its options)",
            "Line 15, port: the node refuses to start (on this chain only in [regtest])",
            "Line 23, regtest: the node ignores it (not among its options)", "",
            "Checked against " + daemon + " (Litecoin Core version v0.21.2.1)." }));
    QCOMPARE(fileBytes(rig.confPath()), "old");
    QVERIFY(rig.fakes.settings.writtenKeys.isEmpty());
    QCOMPARE(ctl<QPushButton>(w, "CANCEL_BUTTON")->text(), "Cancel");

    // Nothing left to find: no question, the file is written; the daemon was asked once.
    ctl<QCheckBox>(w, "ALERTS_TICKBOX")->click();
    ctl<QLineEdit>(w, "PEER_PORT_TEXTBOX")->clear();
    ctl<MultiLineBox>(w, "USER_DEFINED_SETTINGS_TEXTBOX")->setText("[regtest]\r\nport=9333");
    ctl<QPushButton>(w, "SAVE_BUTTON")->click();
    QCOMPARE(rig.fakes.dialogs.questions.size(), 1);
    QVERIFY(fileBytes(rig.confPath()).contains("\r\nserver=1\r\n"));
    QCOMPARE(rig.fakes.programs.calls.size(), 1);
}

// Each coin button fills the conf generator and disarms the window; basic
// settings undo Namecoin's daemon switch. What each preset sets is checked
// on the fields alone, with the renderer.
void TestConfGenerator::presets()
{
    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& conf = *rig.window;
    conf.FULL_NODE_LIST_TEXTBOX = "addnode=old";
    conf.VTC_NODE_LIST_TEXTBOX = "addnode=vtc";
    const QString before = rig.preview();
    QUORLIN_CONF_GENERATOR_IDS presets(rig.context, conf);
    QCOMPARE(enabledPresetButtons(presets), 0);
    ctl<QCheckBox>(presets, "IMPORT_SETTINGS_TICKBOX")->click();
    QCOMPARE(enabledPresetButtons(presets), 7);
    QCOMPARE(rig.preview(), before);

    bool daemon = false; // from Namecoin on
    for (const CoinPreset& coin : kCoinPresets) {
        daemon = daemon || coin.daemonSwitch;
        ctl<QCheckBox>(presets, "IMPORT_SETTINGS_TICKBOX")->setChecked(true);
        // The button of the coin named "BTC - Bitcoin" is BTC_IMPORT_BUTTON.
        presets.findChild<QPushButton*>(coin.cryptoName.section(" - ", 0, 0) + "_IMPORT_BUTTON")->click();
        QCOMPARE(
            QStringList({ ctl<QLineEdit>(conf, "CRYPTO_NAME_TEXTBOX")->text(),
                ctl<QLineEdit>(conf, "PEER_PORT_TEXTBOX")->text(),
                ctl<QLineEdit>(conf, "RPC_PORT_TEXTBOX")->text(), conf.FULL_NODE_LIST_TEXTBOX, rig.line(9) }),
            QStringList({ coin.cryptoName, coin.peerPort, coin.rpcPort,
                coin.copiesVtcNodeList ? "addnode=vtc" : "", daemon ? "daemon=1" : "#daemon=0" }));
        QVERIFY(!ctl<QCheckBox>(presets, "IMPORT_SETTINGS_TICKBOX")->isChecked()
            && enabledPresetButtons(presets) == 0);
        QCOMPARE(ctl<QCheckBox>(conf, "DAEMON_TICKBOX")->isEnabled(), daemon);
    }
    QCOMPARE(ctl<QPushButton>(presets, "CANCEL_BUTTON")->text(), "Close");

    ctl<QCheckBox>(presets, "IMPORT_SETTINGS_TICKBOX")->click();
    ctl<QPushButton>(presets, "BASIC_SETTINGS_BUTTON")->click();
    QCOMPARE(rig.preview().split("\r\n").mid(1, 9),
        QStringList({ "wallet=wallet.dat", "disablewallet=0", "server=1", "alerts=1", "listen=1", "#upnp=0",
            "dns=1", "#daemon=0", "allowip=127.0.0.1" }));
    QVERIFY(!ctl<QCheckBox>(conf, "DAEMON_TICKBOX")->isEnabled()
        && ctl<QCheckBox>(conf, "DISABLE_WALLET_TICKBOX")->isEnabled());

    // Esc closes as Cancel does, and only the position is ever stored here.
    presets.show();
    QTest::keyClick(&presets, Qt::Key_Escape);
    QVERIFY(!presets.isVisible());
    QCOMPARE(rig.fakes.settings.writtenKeys, QStringList({ "IDS-Left", "IDS-Top", "IDS-Left", "IDS-Top" }));
}

void TestConfGenerator::credentialPresetsFollowTheRpcauthScheme()
{
    const char* users[]
        = { "CRYPTO_MOONSHOT", "BULLS_GO_LONG", "BEARS_GO_SHORT", "GENESIS_BLOCK_01", "BITCOIN_IS_KING",
              "BITCONNECT_LIVES_ON", "CRYPTO_TO_INFINITY", "CRYPTO_ALWAYS", "IM_ALL_IN", "HODL_HODL_HODL" };
    for (int n = 1; n <= kRpcTestPresetCount; ++n) {
        const RpcCredentials& set = kRpcTestPresets[n - 1];
        QCOMPARE(set.user, QString(users[n - 1]));
        checkRpcauthScheme({ set.user.toString(), set.password.toString(), set.auth.toString() });
        if (QTest::currentTestFailed())
            return;
    }
}

void TestConfGenerator::credentials_data()
{
    QTest::addColumn<QString>("user"); // in the conf generator when the window opens
    QTest::addColumn<QList<int>>("green");
    QTest::newRow("exact name") << "IM_ALL_IN" << QList<int> { 9 };
    QTest::newRow("lower case") << "im_all_in" << QList<int> {};
    QTest::newRow("trailing blank") << "IM_ALL_IN " << QList<int> {};
    QTest::newRow("empty") << "" << QList<int> {};
}

void TestConfGenerator::credentials()
{
    QFETCH(QString, user);
    QFETCH(QList<int>, green);

    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& conf = *rig.window;
    const QStringList typed { user, user.isEmpty() ? "" : "typed", user.isEmpty() ? "" : "one\r\ntwo\r\n" };
    ctl<QLineEdit>(conf, "RPC_USER_TEXTBOX")->setText(typed[0]);
    ctl<QLineEdit>(conf, "RPC_PASSWORD_TEXTBOX")->setText(typed[1]);
    ctl<MultiLineBox>(conf, "RPC_AUTH_TEXTBOX")->setText(typed[2]);
    QUORLIN_CONF_GENERATOR_TEST_RPC window(rig.context, conf);
    window.show();
    QCOMPARE(greenButtons(window), green);
    QCOMPARE(rpcBoxes(window), typed);
    ctl<QPushButton>(window, "USE_CURRENT_CREDENTIALS_BUTTON")->click();
    QCOMPARE(rpcBoxes(conf), typed);
    QCOMPARE(ctl<QPushButton>(window, "CANCEL_BUTTON")->text(), "Close");

    // Choosing shows and marks a preset without handing it over; using hands over as typed.
    ctl<QPushButton>(window, "TEST_CFG_4_BUTTON")->click();
    const QString password = kRpcTestPresets[3].password.toString();
    QCOMPARE(
        rpcBoxes(window), QStringList({ "GENESIS_BLOCK_01", password, kRpcTestPresets[3].auth.toString() }));
    QCOMPARE(greenButtons(window), QList<int> { 4 });
    QCOMPARE(rpcBoxes(conf), typed);
    ctl<QLineEdit>(window, "RPC_USER_TEXTBOX")->setText("HODL_HODL_HODL");
    ctl<MultiLineBox>(window, "RPC_AUTH_TEXTBOX")->clear();
    ctl<QPushButton>(window, "USE_CURRENT_CREDENTIALS_BUTTON")->click();
    QCOMPARE(rig.preview().split("\r\n").mid(18, 3),
        QStringList({ "rpcuser=HODL_HODL_HODL", "rpcpassword=" + password, "#rpcauth=" }));
    QVERIFY(window.isVisible());

    // Enter, also in the password box, closes as Cancel does; only the position is stored.
    QTest::keyClick(ctl<QWidget>(window, "RPC_PASSWORD_TEXTBOX"), Qt::Key_Return);
    QVERIFY(!window.isVisible());
    const QString key = "TEST-RPC-CREDENTIALS-";
    QCOMPARE(rig.fakes.settings.writtenKeys,
        QStringList({ key + "Left", key + "Top", key + "Left", key + "Top" }));
}

void TestConfGenerator::newSecureCredentials()
{
    ConfGeneratorRig rig;
    ctl<QLineEdit>(*rig.window, "RPC_USER_TEXTBOX")->setText("IM_ALL_IN");
    QUORLIN_CONF_GENERATOR_TEST_RPC window(rig.context, *rig.window);
    QCOMPARE(greenButtons(window), QList<int> { 9 });
    QPushButton* const newCredentials = ctl<QPushButton>(window, "NEW_SECURE_CREDENTIALS_BUTTON");
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY(control == newCredentials || !control->geometry().intersects(newCredentials->geometry()));

    QStringList passwords;
    for (int press = 0; press < 2; ++press) {
        newCredentials->click();
        const QStringList boxes = rpcBoxes(window);
        QVERIFY2(
            QRegularExpression("^quorlin-[0-9a-f]{8}$").match(boxes[0]).hasMatch(), qPrintable(boxes[0]));
        checkRpcauthScheme(boxes);
        QVERIFY(greenButtons(window).isEmpty());
        passwords.append(boxes[1]);
    }
    QVERIFY(passwords[0] != passwords[1]);
    ctl<QPushButton>(window, "USE_CURRENT_CREDENTIALS_BUTTON")->click();
    QCOMPARE(rpcBoxes(*rig.window), rpcBoxes(window));
}

QTEST_MAIN(TestConfGenerator)
#include "test_conf_generator.moc"
