#include "conf_generator/conf_file.h"
#include "conf_generator_rig.h"

#include <QtTest>

class TestConfWriter : public QObject {
    Q_OBJECT

private slots:
    void savesTheKeysInOrder();
    void fileIsThePreviewAndReopeningRestoresIt();
    void saveWritesTheFieldsAsTheyAreNow();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
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
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Fills every field with something of its own.
void fillFields(QUORLIN_CONF_GENERATOR_MAIN& w)
{
    w.CRYPTO_NAME_TEXTBOX->setText(QStringLiteral("LTC - Litecoin"));
    w.WALLET_FILE_TEXTBOX->setText(QStringLiteral("wallet.dat"));
    w.WALLET_TICKBOX->setChecked(true);
    w.DISABLE_WALLET_TICKBOX->setChecked(true);
    w.SERVER_TICKBOX->setChecked(true);
    w.LISTEN_TICKBOX->setChecked(true);
    w.OLD_WALLET_SUPPORT_TICKBOX->setChecked(true);
    w.RPC_LOCALHOST_TICKBOX->setChecked(true);
    w.TIMEOUT_TEXTBOX->setText(QStringLiteral("3000"));
    w.MAX_CONNECTIONS_TEXTBOX->setText(QStringLiteral(" "));
    w.PEER_PORT_TEXTBOX->setText(QStringLiteral("9333"));
    w.UACOMMENT_TEXTBOX->setText(QStringLiteral("Grüße"));
    w.RPC_USER_TEXTBOX->setText(QStringLiteral("IM_ALL_IN"));
    w.RPC_PASSWORD_TEXTBOX->setText(QStringLiteral("secret"));
    w.RPC_AUTH_TEXTBOX->setText(QStringLiteral("IM_ALL_IN:ab$cd\r\nsecond line"));
    w.FULL_NODE_LIST_TEXTBOX = QStringLiteral("addnode=10.0.0.1\r\naddnode=10.0.0.2");
    w.USER_DEFINED_SETTINGS_TEXTBOX->setText(QStringLiteral("regtest=1\r\ntxindex=1"));
}

} // namespace

void TestConfWriter::savesTheKeysInOrder()
{
    ConfGeneratorRig rig;
    fillFields(*rig.window);
    rig.window->SAVE_BUTTON->click();

    const QStringList expected { "CRYPTO_NAME_TEXTBOX=LTC - Litecoin", "WALLET_FILE_TEXTBOX=wallet.dat",
        "WALLET_TICKBOX=1", "DISABLE_WALLET_TICKBOX=1", "SERVER_TICKBOX=1", "ALERTS_TICKBOX=0",
        "LISTEN_TICKBOX=1", "UPNP_TICKBOX=0", "DNS_TICKBOX=0", "OLD_WALLET_SUPPORT_TICKBOX=1",
        "DAEMON_TICKBOX=0", "PEER_LOCALHOST_TICKBOX=0", "RPC_LOCALHOST_TICKBOX=1", "TIMEOUT_TEXTBOX=3000",
        "RPC_TIMEOUT_TEXTBOX=", "MAX_CONNECTIONS_TEXTBOX= ", "PEER_PORT_TEXTBOX=9333",
        "RPC_PORT_TEXTBOX=", "UACOMMENT_TEXTBOX=Grüße", "RPC_USER_TEXTBOX=IM_ALL_IN",
        "RPC_PASSWORD_TEXTBOX=secret", "RPC_AUTH_TEXTBOX=IM_ALL_IN:ab$cd\r\nsecond line",
        "FULL_NODE_LIST_TEXTBOX=addnode=10.0.0.1\r\naddnode=10.0.0.2",
        "USER_DEFINED_SETTINGS_TEXTBOX=regtest=1\r\ntxindex=1" };
    QCOMPARE(rig.fakes.settings.writtenKeys.mid(0, 2), QStringList({ "MAIN-Left", "MAIN-Top" }));
    QCOMPARE(rig.fakes.settings.writtenValues.mid(2), expected);

    // The main window shows the name at once; the window stays open.
    QCOMPARE(rig.mainWindow->CRYPTO_NAME_TEXTBOX->text(), QStringLiteral("LTC - Litecoin"));
    QCOMPARE(rig.window->CANCEL_BUTTON->text(), QStringLiteral("Close"));
    QVERIFY(rig.fakes.dialogs.errors.isEmpty());
}

void TestConfWriter::fileIsThePreviewAndReopeningRestoresIt()
{
    ConfGeneratorRig rig;
    fillFields(*rig.window);
    rig.window->SAVE_BUTTON->click();

    const QString preview = rig.window->CONF_OUTPUT_TEXTBOX->text();
    QCOMPARE(fileBytes(rig.confPath()), preview.toUtf8() + "\r\n");
    QVERIFY(preview.contains(QStringLiteral("uacomment=Grüße\r\n")));
    QVERIFY(preview.endsWith(QStringLiteral("\r\n\r\naddnode=10.0.0.1\r\naddnode=10.0.0.2")));
#ifndef _WIN32
    // Owner-only: it holds the RPC password.
    const QFileDevice::Permissions ownerGroupOther { 0x7077 };
    QCOMPARE(QFileInfo(rig.confPath()).permissions() & ownerGroupOther,
        QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#endif

    rig.reopen();
    QCOMPARE(rig.window->CONF_OUTPUT_TEXTBOX->text(), preview);
    QCOMPARE(rig.window->CANCEL_BUTTON->text(), QStringLiteral("Cancel"));
    QVERIFY(rig.window->DISABLE_WALLET_TICKBOX->isChecked());
    QVERIFY(rig.window->DISABLE_WALLET_TICKBOX->isEnabled());
}

void TestConfWriter::saveWritesTheFieldsAsTheyAreNow()
{
    // An earlier, longer file is replaced whole, and not by an empty text
    // when saving at once after opening, nor by a text without the latest edit.
    ConfGeneratorRig rig;
    writeFile(rig.confPath(), "rpcuser=old\r\n" + QByteArray(20000, 'x'));
    rig.window->SAVE_BUTTON->click();
    QCOMPARE(fileBytes(rig.confPath()), firstRunText().toUtf8() + "\r\n");

    rig.window->RPC_PORT_TEXTBOX->setText(QStringLiteral("19332"));
    rig.window->SAVE_BUTTON->click();
    QVERIFY(fileBytes(rig.confPath()).contains("\r\nrpcport=19332\r\n"));
    QVERIFY(rig.window->CONF_OUTPUT_TEXTBOX->text().contains(QStringLiteral("\r\nrpcport=19332\r\n")));
}

void TestConfWriter::failedWriteIsReported_data()
{
    QTest::addColumn<bool>("folderAtPath"); // otherwise the executable's folder is read-only

    QTest::newRow("read-only folder") << false;
    QTest::newRow("a folder in the file's place") << true;
}

void TestConfWriter::failedWriteIsReported()
{
    QFETCH(bool, folderAtPath);

    ConfGeneratorRig rig;
    const QString path = rig.confPath();
    const QFile::Permissions folderPermissions = QFileInfo(rig.folder.path()).permissions();
    if (folderAtPath) {
        QVERIFY(QDir(rig.folder.path()).mkdir(QFileInfo(path).fileName()));
        writeFile(path + QStringLiteral("/inside"), "kept");
    } else {
        writeFile(path, "old file");
        QVERIFY(QFile::setPermissions(rig.folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QFile probe(rig.folder.path() + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(rig.folder.path(), folderPermissions);
            QSKIP("This user may write into read-only folders (root); the other row covers the failure.");
        }
    }

    rig.window->show();
    rig.window->SAVE_BUTTON->click();
    QFile::setPermissions(rig.folder.path(), folderPermissions);

    QCOMPARE(rig.fakes.dialogs.errors.size(), 1);
    const QString message = rig.fakes.dialogs.errors.first();
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY2(
        message.contains(folderAtPath ? QStringLiteral("directory") : QStringLiteral("Permission denied"),
            Qt::CaseInsensitive),
        qPrintable(message));
    QVERIFY(rig.window->isVisible());
    QCOMPARE(rig.fakes.stored(QStringLiteral("USER_DEFINED_SETTINGS_TEXTBOX")), QString(""));
    QCOMPARE(rig.fakes.settings.writtenKeys.size(), 26);
    if (folderAtPath)
        QCOMPARE(fileBytes(path + QStringLiteral("/inside")), QByteArray("kept"));
    else
        QCOMPARE(fileBytes(path), QByteArray("old file"));
    QCOMPARE(QDir(rig.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

void TestConfWriter::otherExecutableNameKeepsItsOwnFileAndSettings()
{
    ConfGeneratorRig rig(QStringLiteral("KD-QUORLIN"));
    rig.window->CRYPTO_NAME_TEXTBOX->setText(QStringLiteral("BTC - Bitcoin"));
    rig.window->SAVE_BUTTON->click();

    // A copy of the executable under another name, in the same folder and
    // over the same settings store.
    Platform copy = rig.fakes.platform();
    copy.executable = { QStringLiteral("BTC-NODE"), rig.folder.path() };
    AppContext copyContext(copy);
    QUORLIN_MAIN copyMain(copyContext);
    QUORLIN_CONF_GENERATOR_MAIN copyWindow(copyContext, copyMain, &copyMain);
    QCOMPARE(copyWindow.CRYPTO_NAME_TEXTBOX->text(), QString());
    const QString copyPath = rig.folder.path() + QStringLiteral("/BTC-NODE-CRYPTO-CONFIG.conf");
    QCOMPARE(copyWindow.CONF_FILE_LOCATION_TEXTBOX->text(), copyPath);

    copyWindow.CRYPTO_NAME_TEXTBOX->setText(QStringLiteral("NMC - Namecoin"));
    copyWindow.SAVE_BUTTON->click();

    QVERIFY(fileBytes(rig.confPath()).startsWith("# - BTC - Bitcoin - "));
    QVERIFY(fileBytes(copyPath).startsWith("# - NMC - Namecoin - "));
    rig.reopen();
    QCOMPARE(rig.window->CRYPTO_NAME_TEXTBOX->text(), QStringLiteral("BTC - Bitcoin"));
}

QTEST_MAIN(TestConfWriter)
#include "test_conf_writer.moc"
