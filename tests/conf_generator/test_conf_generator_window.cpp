#include "conf_generator_rig.h"

class TestConfGeneratorWindow : public QObject {
    Q_OBJECT

private slots:
    void firstRunAndClearAll();
    void linesFollowTheControls_data();
    void linesFollowTheControls();
    void saveStoresWritesAndReopens();
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

void TestConfGeneratorWindow::firstRunAndClearAll()
{
    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& w = *rig.window;
    QCOMPARE(w.windowTitle(), "QUORLIN - CRYPTO \".CONF\" CONFIGURATION FILE GENERATOR");
    QVERIFY(w.CONF_OUTPUT_TIMER.isActive() && w.CONF_OUTPUT_TIMER.interval() == 1000);
    QCOMPARE(w.CONF_OUTPUT_TEXTBOX->text(), kFirstRunText); // before the first tick
    const auto verifyCleared = [&] {
        for (const QCheckBox* box : w.findChildren<QCheckBox*>())
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        QVERIFY(!w.DISABLE_WALLET_TICKBOX->isEnabled() && !w.DAEMON_TICKBOX->isEnabled());
        for (const QLineEdit* box : w.findChildren<QLineEdit*>())
            QCOMPARE(box->text(), box == w.CONF_FILE_LOCATION_TEXTBOX ? rig.confPath() : QString());
        QCOMPARE(rig.preview(), kFirstRunText);
    };
    verifyCleared();

    for (QCheckBox* box : w.findChildren<QCheckBox*>())
        box->click();
    QVERIFY(w.DISABLE_WALLET_TICKBOX->isChecked() && w.DAEMON_TICKBOX->isChecked());
    for (QLineEdit* box : w.findChildren<QLineEdit*>()) {
        if (box != w.CONF_FILE_LOCATION_TEXTBOX)
            box->setText("x");
    }
    w.RPC_AUTH_TEXTBOX->setText("a\r\nb");
    w.USER_DEFINED_SETTINGS_TEXTBOX->setText("regtest=1");
    w.FULL_NODE_LIST_TEXTBOX = "addnode=x";
    w.CLEAR_ALL_BUTTON->click();
    verifyCleared();

    // Only Cancel stores anything, and only the position.
    w.CANCEL_BUTTON->click();
    QCOMPARE(rig.fakes.settings.writtenKeys, QStringList({ "MAIN-Left", "MAIN-Top" }));
}

void TestConfGeneratorWindow::linesFollowTheControls_data()
{
    // A step types into a field ("FIELD=text") or clicks a control (which a
    // greyed tick box ignores); a tick follows each.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, QStringList steps, int line, const char* expected) {
        QTest::newRow(name) << steps << line << QString(expected);
    };
    row("cleared field", { "RPC_PORT_TEXTBOX=19332", "RPC_PORT_TEXTBOX=" }, 16, "#rpcport=");
    row("one blank", { "RPC_PORT_TEXTBOX= " }, 16, "rpcport= ");
    row("zero is a value", { "RPC_TIMEOUT_TEXTBOX=0" }, 13, "rpctimeout=0");
    row("NO2X replaces the comment", { "UACOMMENT_TEXTBOX=my node", "NO_2X_BUTTON" }, 17, "uacomment=NO2X");
    row("Wallet", { "WALLET_TICKBOX" }, 3, "disablewallet=0");
    row("Wallet enables Disabled", { "WALLET_TICKBOX", "DISABLE_WALLET_TICKBOX" }, 3, "disablewallet=1");
    row("Wallet off unticks and greys Disabled",
        { "WALLET_TICKBOX", "DISABLE_WALLET_TICKBOX", "WALLET_TICKBOX", "DISABLE_WALLET_TICKBOX" }, 3,
        "#disablewallet=0");
    row("OLD Wallet Support", { "OLD_WALLET_SUPPORT_TICKBOX" }, 9, "daemon=0");
    row("OLD Wallet Support enables Daemon", { "OLD_WALLET_SUPPORT_TICKBOX", "DAEMON_TICKBOX" }, 9,
        "daemon=1");
    row("OLD Wallet Support off unticks and greys Daemon",
        { "OLD_WALLET_SUPPORT_TICKBOX", "DAEMON_TICKBOX", "OLD_WALLET_SUPPORT_TICKBOX", "DAEMON_TICKBOX" }, 9,
        "#daemon=0");
    row("UPnP", { "UPNP_TICKBOX" }, 7, "upnp=1");
    row("PEER localhost off again", { "PEER_LOCALHOST_TICKBOX", "PEER_LOCALHOST_TICKBOX" }, 10,
        "#allowip=127.0.0.1");
}

void TestConfGeneratorWindow::linesFollowTheControls()
{
    QFETCH(QStringList, steps);
    QFETCH(int, line);
    QFETCH(QString, expected);

    ConfGeneratorRig rig;
    for (const QString& step : steps) {
        if (const qsizetype equals = step.indexOf(u'='); equals < 0)
            rig.window->findChild<QAbstractButton*>(step)->click();
        else
            rig.window->findChild<QLineEdit*>(step.left(equals))->setText(step.mid(equals + 1));
        rig.preview();
    }
    QCOMPARE(rig.line(line), expected);
}

void TestConfGeneratorWindow::saveStoresWritesAndReopens()
{
    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& w = *rig.window;
    writeFile(rig.confPath(), QByteArray(20000, 'x'));
    w.WALLET_FILE_TEXTBOX->setText("wallet.dat");
    for (QCheckBox* box : { w.WALLET_TICKBOX, w.DISABLE_WALLET_TICKBOX, w.SERVER_TICKBOX, w.LISTEN_TICKBOX,
             w.OLD_WALLET_SUPPORT_TICKBOX, w.RPC_LOCALHOST_TICKBOX })
        box->click();
    w.TIMEOUT_TEXTBOX->setText("3000");
    w.MAX_CONNECTIONS_TEXTBOX->setText(" ");
    w.PEER_PORT_TEXTBOX->setText("9333");
    w.UACOMMENT_TEXTBOX->setText("Grüße");
    w.RPC_USER_TEXTBOX->setText("IM_ALL_IN");
    w.RPC_PASSWORD_TEXTBOX->setText("secret");
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
        "RPC_LOCALHOST_TICKBOX=1", "TIMEOUT_TEXTBOX=3000",
        "RPC_TIMEOUT_TEXTBOX=", "MAX_CONNECTIONS_TEXTBOX= ", "PEER_PORT_TEXTBOX=9333",
        "RPC_PORT_TEXTBOX=", "UACOMMENT_TEXTBOX=Grüße", "RPC_USER_TEXTBOX=IM_ALL_IN",
        "RPC_PASSWORD_TEXTBOX=secret", "RPC_AUTH_TEXTBOX=IM_ALL_IN:ab$cd\r\nsecond line",
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
    QCOMPARE(preview.split("\r\n").value(8), "daemon=0");
    QCOMPARE(fileBytes(rig.confPath()), preview.toUtf8() + "\r\n");
#ifndef _WIN32
    QCOMPARE(QFileInfo(rig.confPath()).permissions() & QFileDevice::Permissions(0x7077),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#endif

    rig.reopen();
    QCOMPARE(rig.window->CONF_OUTPUT_TEXTBOX->text(), preview);
    QVERIFY(rig.window->DISABLE_WALLET_TICKBOX->isEnabled() && rig.window->DAEMON_TICKBOX->isEnabled());
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
