#include "conf_generator_rig.h"

class TestConfGeneratorWindow : public QObject {
    Q_OBJECT

private slots:
    void clicksSetTheLines_data();
    void clicksSetTheLines();
    void firstRunSaveReopenAndClearAll();
    void failedWriteKeepsTheOldFileAndTheWindow_data();
    void failedWriteKeepsTheOldFileAndTheWindow();
    void otherExecutableNameKeepsItsOwnFileAndSettings();
};

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

void TestConfGeneratorWindow::clicksSetTheLines_data()
{
    QTest::addColumn<QStringList>("clicks"); // a greyed tick box ignores a click
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");

    const QString wallet = "WALLET_TICKBOX", disabled = "DISABLE_WALLET_TICKBOX";
    const QString old = "OLD_WALLET_SUPPORT_TICKBOX", daemon = "DAEMON_TICKBOX",
                  peer = "PEER_LOCALHOST_TICKBOX";
    QTest::newRow("NO2X replaces the comment") << QStringList { "NO_2X_BUTTON" } << 17 << "uacomment=NO2X";
    QTest::newRow("Wallet enables Disabled") << QStringList { wallet, disabled } << 3 << "disablewallet=1";
    QTest::newRow("Wallet off unticks and greys Disabled")
        << QStringList { wallet, disabled, wallet, disabled } << 3 << "#disablewallet=0";
    QTest::newRow("OLD enables Daemon") << QStringList { old, daemon } << 9 << "daemon=1";
    QTest::newRow("OLD off unticks and greys Daemon")
        << QStringList { old, daemon, old, daemon } << 9 << "#daemon=0";
    QTest::newRow("PEER localhost off again") << QStringList { peer, peer } << 10 << "#allowip=127.0.0.1";
}

void TestConfGeneratorWindow::clicksSetTheLines()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, line);
    QFETCH(QString, expected);

    ConfGeneratorRig rig;
    rig.window->UACOMMENT_TEXTBOX->setText("my node");
    for (const QString& name : clicks) {
        rig.window->findChild<QAbstractButton*>(name)->click();
        rig.preview();
    }
    QCOMPARE(rig.line(line), expected);
}

void TestConfGeneratorWindow::firstRunSaveReopenAndClearAll()
{
    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& w = *rig.window;
    QCOMPARE(w.windowTitle(), "QUORLIN - CRYPTO \".CONF\" CONFIGURATION FILE GENERATOR");
    QVERIFY(w.CONF_OUTPUT_TIMER.isActive() && w.CONF_OUTPUT_TIMER.interval() == 1000);
    QCOMPARE(w.CONF_OUTPUT_TEXTBOX->text(), kFirstRunText); // before the first tick
    const auto verifyCleared = [&] {
        QUORLIN_CONF_GENERATOR_MAIN& now = *rig.window;
        for (const QCheckBox* box : now.findChildren<QCheckBox*>())
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        QVERIFY(!now.DISABLE_WALLET_TICKBOX->isEnabled() && !now.DAEMON_TICKBOX->isEnabled());
        for (const QLineEdit* box : now.findChildren<QLineEdit*>())
            QCOMPARE(box->text(), box == now.CONF_FILE_LOCATION_TEXTBOX ? rig.confPath() : QString());
        QCOMPARE(rig.preview(), kFirstRunText);
    };
    verifyCleared();

    writeFile(rig.confPath(), QByteArray(20000, 'x'));
    for (QCheckBox* box : { w.WALLET_TICKBOX, w.DISABLE_WALLET_TICKBOX, w.SERVER_TICKBOX, w.LISTEN_TICKBOX,
             w.OLD_WALLET_SUPPORT_TICKBOX, w.RPC_LOCALHOST_TICKBOX })
        box->click();
    const std::pair<QLineEdit*, const char*> texts[] = { { w.WALLET_FILE_TEXTBOX, "wallet.dat" },
        { w.TIMEOUT_TEXTBOX, "3000" }, { w.RPC_TIMEOUT_TEXTBOX, "0" }, { w.MAX_CONNECTIONS_TEXTBOX, " " },
        { w.PEER_PORT_TEXTBOX, "9333" }, { w.RPC_PORT_TEXTBOX, "9332" }, { w.UACOMMENT_TEXTBOX, "Grüße" },
        { w.RPC_USER_TEXTBOX, "IM_ALL_IN" }, { w.RPC_PASSWORD_TEXTBOX, "secret" } };
    for (const auto& [box, text] : texts)
        box->setText(text);
    w.RPC_AUTH_TEXTBOX->setText("IM_ALL_IN:ab$cd\r\nsecond line");
    w.FULL_NODE_LIST_TEXTBOX = "addnode=10.0.0.1\r\naddnode=10.0.0.2";
    // Ctrl+Enter starts a new line in the user block; Enter in the name saves.
    w.show();
    QTest::keyClicks(w.USER_DEFINED_SETTINGS_TEXTBOX, "regtest=1");
    QTest::keyClick(w.USER_DEFINED_SETTINGS_TEXTBOX, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(w.USER_DEFINED_SETTINGS_TEXTBOX, "txindex=1");
    QTest::keyClicks(w.CRYPTO_NAME_TEXTBOX, "LTC - Litecoin");
    QTest::keyClick(w.CRYPTO_NAME_TEXTBOX, Qt::Key_Return);

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
    QCOMPARE(rig.mainWindow->CRYPTO_NAME_TEXTBOX->text(), "LTC - Litecoin");
    QCOMPARE(w.CANCEL_BUTTON->text(), "Close");
    QVERIFY(w.isVisible() && rig.fakes.dialogs.errors.isEmpty());

    // Saved at once after the edits: the preview is rendered from them, and
    // the file is that text and one CR LF, replacing the longer old file.
    const QString preview = w.CONF_OUTPUT_TEXTBOX->text();
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

    rig.reopen();
    QCOMPARE(rig.window->CONF_OUTPUT_TEXTBOX->text(), preview);
    for (QCheckBox* box : rig.window->findChildren<QCheckBox*>())
        box->setChecked(true);
    rig.window->CLEAR_ALL_BUTTON->click();
    verifyCleared();
    // Reopening and cancelling after Clear ALL store the position only.
    rig.window->CANCEL_BUTTON->click();
    QCOMPARE(rig.fakes.settings.writtenKeys.mid(26),
        QStringList({ "MAIN-Left", "MAIN-Top", "MAIN-Left", "MAIN-Top" }));
}

void TestConfGeneratorWindow::failedWriteKeepsTheOldFileAndTheWindow_data()
{
    QTest::addColumn<bool>("folderAtPath"); // otherwise the executable's folder is read-only
    QTest::newRow("read-only folder") << false;
    QTest::newRow("a folder in the file's place") << true;
}

void TestConfGeneratorWindow::failedWriteKeepsTheOldFileAndTheWindow()
{
    QFETCH(bool, folderAtPath);
    ConfGeneratorRig rig;
    const QString path = rig.confPath();
    const QString kept = folderAtPath ? path + "/inside" : path;
    QVERIFY(!folderAtPath || QDir().mkdir(path));
    writeFile(kept, "kept");
    if (!folderAtPath) {
        QVERIFY(QFile::setPermissions(rig.folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFile(rig.folder.path() + "/probe").open(QIODevice::WriteOnly))
            QSKIP("This user may write into read-only folders; the other row covers the failure.");
    }
    rig.window->show();
    rig.window->SAVE_BUTTON->click();
    QFile::setPermissions(
        rig.folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(rig.fakes.dialogs.errors.size(), 1);
    const QString message = rig.fakes.dialogs.errors.first();
    QVERIFY2(message.contains(path)
            && message.contains(folderAtPath ? "directory" : "Permission denied", Qt::CaseInsensitive),
        qPrintable(message));
    QVERIFY(rig.window->isVisible());
    QCOMPARE(rig.fakes.settings.writtenKeys.size(), 26);
    QCOMPARE(fileBytes(kept), "kept");
    QCOMPARE(QDir(rig.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

void TestConfGeneratorWindow::otherExecutableNameKeepsItsOwnFileAndSettings()
{
    ConfGeneratorRig rig;
    rig.window->CRYPTO_NAME_TEXTBOX->setText("BTC - Bitcoin");
    rig.window->SAVE_BUTTON->click();

    // A copy of the executable under another name, in the same folder and
    // over the same settings store.
    Platform copy = rig.fakes.platform();
    copy.executable.name = "BTC-NODE";
    AppContext copyContext(copy);
    QUORLIN_MAIN copyMain(copyContext);
    QUORLIN_CONF_GENERATOR_MAIN copyWindow(copyContext, copyMain, &copyMain);
    QCOMPARE(copyWindow.CRYPTO_NAME_TEXTBOX->text(), QString());
    copyWindow.CRYPTO_NAME_TEXTBOX->setText("NMC - Namecoin");
    copyWindow.SAVE_BUTTON->click();

    QVERIFY(fileBytes(rig.confPath()).startsWith("# - BTC - Bitcoin - "));
    QVERIFY(
        fileBytes(rig.folder.path() + "/BTC-NODE-CRYPTO-CONFIG.conf").startsWith("# - NMC - Namecoin - "));
    rig.reopen();
    QCOMPARE(rig.window->CRYPTO_NAME_TEXTBOX->text(), "BTC - Bitcoin");
}

QTEST_MAIN(TestConfGeneratorWindow)
#include "test_conf_generator_window.moc"
