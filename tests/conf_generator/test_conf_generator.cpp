#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_generator/rpc_test_credentials.h"
#include "core/look.h"
#include "fakes/conf_generator_rig.h"
#include "platform/qt_dialogs.h"

#include <QtTest>

#include <filesystem>

namespace {

// A first run's text: 25 lines, the last (the empty node list) without a line end.
const QString kFirstRunText
    = "# -  - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -\r\n"
      "#wallet=\r\n#disablewallet=0\r\n#server=0\r\n#alerts=0\r\n#listen=0\r\n#upnp=0\r\n"
      "#dns=0\r\n#daemon=0\r\n#allowip=127.0.0.1\r\n#rpcallowip=127.0.0.1\r\n#timeout=\r\n"
      "#rpctimeout=\r\n#maxconnections=\r\n#port=\r\n#rpcport=\r\n#uacomment=\r\n\r\n"
      "#rpcuser=\r\n#rpcpassword=\r\n#rpcauth=\r\n\r\n\r\n\r\n";

// Sets up a regtest daemon that knows every key of the filled fields but uacomment, forgets what that stored,
// shows the window and fills every field as a user would. Returns the daemon.
QString fillEveryField(ConfGeneratorRig& rig)
{
    const QString daemon = rig.useDaemon("Litecoin Core version v0.21.2.1",
        { "wallet", "disablewallet", "server", "listen", "daemon", "rpcallowip", "timeout", "rpctimeout",
            "maxconnections", "port", "rpcport", "rpcuser", "rpcpassword", "rpcauth", "regtest", "txindex",
            "addnode" });
    rig.fakes.settings.writtenKeys.clear();
    rig.fakes.settings.writtenValues.clear();
    rig.fakes.settings.commits = 0;
    rig.window->show();
    for (const char* box : { "WALLET_TICKBOX", "DISABLE_WALLET_TICKBOX", "SERVER_TICKBOX", "LISTEN_TICKBOX",
             "RPC_LOCALHOST_TICKBOX" })
        rig.at(box)->click();
    const std::pair<const char*, const char*> texts[] = { { "CRYPTO_NAME_TEXTBOX", "LTC - Litecoin" },
        { "WALLET_FILE_TEXTBOX", "wallet.dat" }, { "TIMEOUT_TEXTBOX", "3000" },
        { "RPC_TIMEOUT_TEXTBOX", "0" }, { "MAX_CONNECTIONS_TEXTBOX", " " }, { "PEER_PORT_TEXTBOX", "9333" },
        { "RPC_PORT_TEXTBOX", "9332" }, { "UACOMMENT_TEXTBOX", "my node" },
        { "RPC_USER_TEXTBOX", "IM_ALL_IN" }, { "RPC_PASSWORD_TEXTBOX", "grüße" } };
    for (const auto& [box, text] : texts)
        rig.at<QLineEdit>(box)->setText(text);
    rig.at("NO_2X_BUTTON")->click(); // replaces the comment
    rig.at<MultiLineBox>("RPC_AUTH_TEXTBOX")->setText("IM_ALL_IN:ab$cd\r\nsecond line");
    rig.model().setText(&ConfFields::fullNodeList, "addnode=10.0.0.1\r\naddnode=10.0.0.2");
    MultiLineBox* const userBlock = rig.at<MultiLineBox>("USER_DEFINED_SETTINGS_TEXTBOX");
    QTest::keyClicks(userBlock, "regtest=1");
    QTest::keyClick(userBlock, Qt::Key_Return, Qt::ControlModifier); // a new line
    QTest::keyClicks(userBlock, "txindex=1");
    return daemon;
}

// What a save stores of the filled fields, in order.
const QStringList kFilledFields { "CRYPTO_NAME_TEXTBOX=LTC - Litecoin", "WALLET_FILE_TEXTBOX=wallet.dat",
    "WALLET_TICKBOX=1", "DISABLE_WALLET_TICKBOX=1", "SERVER_TICKBOX=1", "ALERTS_TICKBOX=0",
    "LISTEN_TICKBOX=1", "UPNP_TICKBOX=0", "DNS_TICKBOX=0", "OLD_WALLET_SUPPORT_TICKBOX=0", "DAEMON_TICKBOX=0",
    "PEER_LOCALHOST_TICKBOX=0", "RPC_LOCALHOST_TICKBOX=1", "TIMEOUT_TEXTBOX=3000", "RPC_TIMEOUT_TEXTBOX=0",
    "MAX_CONNECTIONS_TEXTBOX= ", "PEER_PORT_TEXTBOX=9333", "RPC_PORT_TEXTBOX=9332", "UACOMMENT_TEXTBOX=NO2X",
    "RPC_USER_TEXTBOX=IM_ALL_IN", "RPC_PASSWORD_TEXTBOX=grüße",
    "RPC_AUTH_TEXTBOX=IM_ALL_IN:ab$cd\r\nsecond line",
    "FULL_NODE_LIST_TEXTBOX=addnode=10.0.0.1\r\naddnode=10.0.0.2",
    "USER_DEFINED_SETTINGS_TEXTBOX=regtest=1\r\ntxindex=1" };

// The check's question on the filled fields: on regtest the node refuses five lines; the ignored one follows.
QString refusedOnRegtest(const QString& daemon)
{
    return QString("QUORLIN - CHECKED AGAINST YOUR NODE\nWhat your node will do with this file:\n\n"
                   "Line 2, wallet%1\nLine 15, port%1\nLine 16, rpcport%1\nLine 27, addnode%1\n"
                   "Line 28, addnode%1\n\nAlso worth knowing (these alone do not stop SAVE):\n"
                   "Line 17, uacomment: the node ignores it (not among its options)\n\n"
                   "Checked against %2 (Litecoin Core version v0.21.2.1).\nSave anyway\nGo back")
        .arg(": the node refuses to start, because on regtest this line belongs in a [regtest] section",
            daemon);
}

// Fills every field and saves it over the node's findings with "Save anyway". Returns the daemon.
QString saveAnyway(ConfGeneratorRig& rig)
{
    const QString daemon = fillEveryField(rig);
    rig.fakes.dialogs.proceedAnswers = { true };
    rig.save();
    return daemon;
}

int enabledPresetButtons(const QUORLIN_CONF_GENERATOR_IDS& presets)
{
    int enabled = 0;
    for (const QPushButton* button : presets.findChildren<QPushButton*>())
        enabled += button->isEnabled() && button->objectName() != "CANCEL_BUTTON";
    return enabled;
}

// The user, password and rpcauth boxes, and the numbers of the green preset buttons.
QStringList shown(const QUORLIN_CONF_GENERATOR_TEST_RPC& w)
{
    QStringList green;
    for (int n = 1; n <= 10; ++n)
        if (w.presetButtons()[n - 1]->palette().color(QPalette::Button) == colourFromBgr(kGreenBgr))
            green << QString::number(n);
    return { ctl<QLineEdit>(w, "RPC_USER_TEXTBOX")->text(),
        ctl<MultiLineBox>(w, "RPC_PASSWORD_TEXTBOX")->text(),
        ctl<MultiLineBox>(w, "RPC_AUTH_TEXTBOX")->text(), green.join(' ') };
}

const QStringList kTypedCredentials { "RPC_USER_TEXTBOX=typed", "RPC_PASSWORD_TEXTBOX=secret",
    "RPC_AUTH_TEXTBOX=one\r\ntwo\r\n" };

QStringList credentialLines(const ConfModelRig& rig)
{
    return { rig.line(19), rig.line(20), rig.line(21) };
}

// Credentials as the presets make them: a password of 32 random bytes in URL-safe base64, and rpcauth
// user:salt$hash, the hash being HMAC-SHA256 of the password keyed with the salt text.
void checkRpcauthScheme(const QStringList& credentials)
{
    const QRegularExpressionMatch auth
        = QRegularExpression("^([^:]+):([0-9a-f]{32})\\$([0-9a-f]{64})$").match(credentials[2]);
    QVERIFY2(auth.hasMatch() && QRegularExpression("^[A-Za-z0-9_-]{43}=$").match(credentials[1]).hasMatch(),
        qPrintable(credentials.join(' ')));
    QCOMPARE(auth.captured(1), credentials[0]);
    QCOMPARE(auth.captured(3).toLatin1(),
        QMessageAuthenticationCode::hash(
            credentials[1].toUtf8(), auth.captured(2).toLatin1(), QCryptographicHash::Sha256)
            .toHex());
}

} // namespace

class TestConfGenerator : public QObject {
    Q_OBJECT

private slots:
    // The first run: a preview rendered every second, and the two dependent tick boxes greyed.
    void firstRunOpensWithDependentsGreyed()
    {
        ConfGeneratorRig rig;
        QCOMPARE(rig.window->windowTitle(), "QUORLIN - CRYPTO \".CONF\" CONFIGURATION FILE GENERATOR");
        const QTimer* const timer = rig.window->findChild<QTimer*>("CONF_OUTPUT_TIMER");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(!rig.at("DISABLE_WALLET_TICKBOX")->isEnabled());
        QVERIFY(!rig.at("DAEMON_TICKBOX")->isEnabled());
    }

    // A greyed box ticked by code shows unticked again: it shows the fields, which keep it unticked.
    void greyedBoxTickedByCodeStaysUnticked()
    {
        ConfGeneratorRig rig;
        QAbstractButton* const box = rig.at("DAEMON_TICKBOX");
        box->setChecked(true);
        QVERIFY(!box->isChecked());
        QCOMPARE(rig.line(9), "#daemon=0");
    }

    // Going back from the node's findings writes nothing and stores nothing.
    void goingBackChangesNothing()
    {
        ConfGeneratorRig rig;
        QVERIFY(writeFile(rig.confPath(), QByteArray(20000, 'x')));
        const QString daemon = fillEveryField(rig);
        rig.save();
        QCOMPARE(rig.fakes.dialogs.questions, QStringList(refusedOnRegtest(daemon)));
        QCOMPARE(fileBytes(rig.confPath()), QByteArray(20000, 'x'));
        QVERIFY(rig.fakes.settings.writtenKeys.isEmpty());
        QCOMPARE(rig.at("CANCEL_BUTTON")->text(), "Cancel");
    }

    // "Save anyway" stores the window's place and every field; the ignored line then counts as told, so no
    // note comes. The store is written once.
    void savingAnywayStoresEveryField()
    {
        ConfGeneratorRig rig;
        const QString daemon = saveAnyway(rig);
        QCOMPARE(rig.fakes.dialogs.questions, QStringList(refusedOnRegtest(daemon)));
        const QStringList& keys = rig.fakes.settings.writtenKeys;
        QCOMPARE(keys.mid(0, 2), QStringList({ "MAIN-Left", "MAIN-Top" }));
        QCOMPARE(rig.fakes.settings.writtenValues.mid(2, keys.size() - 3), kFilledFields);
        QCOMPARE(keys.last(), "CONF_CHECK_NOTED");
        QCOMPARE(rig.fakes.settings.commits, 1);
        QVERIFY(rig.notes().isEmpty());
    }

    // The file written is the preview, rendered from the edits at once, in UTF-8 with CR LF; the main window
    // takes the coin's name, and the window stays open, its Cancel now Close.
    void savingAnywayWritesThePreview()
    {
        ConfGeneratorRig rig;
        saveAnyway(rig);
        const QString preview = rig.at<MultiLineBox>("CONF_OUTPUT_TEXTBOX")->text();
        QCOMPARE(fileBytes(rig.confPath()), preview.toUtf8() + "\r\n");
        QCOMPARE(ctl<QLineEdit>(rig.mainWindow, "CRYPTO_NAME_TEXTBOX")->text(), "LTC - Litecoin");
        QCOMPARE(rig.at("CANCEL_BUTTON")->text(), "Close");
        QVERIFY(rig.window->isVisible() && rig.fakes.dialogs.errors.isEmpty());
    }

    // A copy of the program under another name, in the same folder and over the same store, writes its own
    // file from its own fields and leaves the other file alone.
    void aCopyUnderAnotherNameWritesItsOwnFile()
    {
        ConfGeneratorRig rig;
        saveAnyway(rig);
        const QByteArray saved = fileBytes(rig.confPath());
        Platform copy = rig.context.platform;
        copy.executable.name = "BTC-NODE";
        AppContext copyContext(copy);
        QUORLIN_CONF_GENERATOR_MAIN copyWindow(copyContext, nullptr);
        ctl<QPushButton>(copyWindow, "SAVE_BUTTON")->click();
        QCOMPARE(
            fileBytes(rig.folder.path() + "/BTC-NODE-CRYPTO-CONFIG.conf"), kFirstRunText.toUtf8() + "\r\n");
        QCOMPARE(fileBytes(rig.confPath()), saved);
    }

    // A reopened window shows the saved file again and leaves the file as it is.
    void reopenedWindowShowsTheSavedFile()
    {
        ConfGeneratorRig rig;
        saveAnyway(rig);
        const QString preview = rig.at<MultiLineBox>("CONF_OUTPUT_TEXTBOX")->text();
        rig.at("CANCEL_BUTTON")->click();
        rig.open();
        QCOMPARE(rig.at<MultiLineBox>("CONF_OUTPUT_TEXTBOX")->text(), preview);
        QCOMPARE(fileBytes(rig.confPath()), preview.toUtf8() + "\r\n");
    }

    // Clear All empties every stored field and unticks every box; the file's place stays.
    void clearAllEmptiesEveryField()
    {
        ConfGeneratorRig rig;
        saveAnyway(rig);
        rig.open();
        for (QCheckBox* box : rig.window->findChildren<QCheckBox*>())
            box->setChecked(true);
        rig.at("CLEAR_ALL_BUTTON")->click();
        QCOMPARE(rig.at<QLineEdit>("CONF_FILE_LOCATION_TEXTBOX")->text(), rig.confPath());
        QCOMPARE(rig.preview(), kFirstRunText);
    }

    // Lines the node ignores do not stop SAVE: Enter writes the file without a question.
    void ignoredLinesDoNotStopSave()
    {
        IgnoredLinesRig rig;
        QCOMPARE(rig.saves(), 1);
        QVERIFY(rig.fakes.dialogs.questions.isEmpty());
        QCOMPARE(fileBytes(rig.confPath()), rig.preview().toUtf8() + "\r\n");
    }

    // A note that takes no focus tells the ignored lines after the save.
    void ignoredLinesAreNotedWithoutTakingTheFocus()
    {
        IgnoredLinesRig rig;
        QCOMPARE(rig.notes(), rig.note());
        QTest::qWait(100); // the time a window would take to be activated
        QCOMPARE(QApplication::focusWidget(), rig.name());
    }

    // The same findings again: the note goes and none comes.
    void sameFindingsAreNotedOnce()
    {
        IgnoredLinesRig rig;
        rig.at("SAVE_BUTTON")->click();
        QCOMPARE(rig.saves(), 2);
        QCOMPARE(rig.notes(), QStringList());
    }

    // A new finding, public credentials on the main chain, brings a note of every finding.
    void newFindingsAreNoted()
    {
        IgnoredLinesRig rig;
        rig.at<QLineEdit>("RPC_PASSWORD_TEXTBOX")->setText(kRpcTestPresets[4].password.toString());
        rig.at("SAVE_BUTTON")->click();
        QCOMPARE(rig.notes(),
            rig.note(IgnoredLinesRig::kIgnored
                + "\nLine 20, rpcpassword: these credentials are public; use them only on test nodes"));
    }

    // A later run remembers what was told.
    void aLaterRunRemembersTheNote()
    {
        IgnoredLinesRig rig;
        rig.open();
        rig.at("SAVE_BUTTON")->click();
        QCOMPARE(rig.notes(), QStringList());
    }

    // Another version of the node is news.
    void anotherVersionIsNotedAgain()
    {
        IgnoredLinesRig rig;
        rig.useDaemon("Litecoin Core version v0.21.3",
            { "wallet", "disablewallet", "server", "listen", "dns", "rpcallowip", "timeout",
                "maxconnections" });
        rig.save();
        QCOMPARE(rig.notes(), rig.note(IgnoredLinesRig::kIgnored, "v0.21.3"));
    }

    // The note closes with the window and stores its place.
    void noteClosesWithTheWindow()
    {
        IgnoredLinesRig rig;
        rig.at("CANCEL_BUTTON")->click();
        QCOMPARE(rig.notes(), QStringList());
        QCOMPARE(rig.fakes.stored("CONF_CHECK_NOTE-Left"), "1000");
    }

    // SAVE asks the daemon in the background: until it answers nothing is stored or written, the watcher
    // ticks on and a second click asks nothing more; the answer saves the first click's fields.
    void saveWaitsForTheDaemonsAnswer()
    {
        ConfGeneratorRig rig;
        const QString help = rig.useDaemon("Litecoin Core version v0.21.2.1", { "regtest" }) + " -help";
        const ProcessAnswer answer = rig.fakes.runner.answers.take(help);
        rig.context.node.setText(NodeText::DaemonName, "litecoind"); // a name the watcher looks for
        rig.fakes.settings.writtenKeys.clear();
        rig.window->show();
        rig.at("SAVE_BUTTON")->click();
        rig.at<QLineEdit>("CRYPTO_NAME_TEXTBOX")->setText("typed while it waits");
        rig.at("SAVE_BUTTON")->click();
        const qsizetype looks = rig.fakes.processes.looks.size();
        QTRY_VERIFY(rig.fakes.processes.looks.size() >= looks + 2);
        QCOMPARE(rig.fakes.runner.commandLines, QStringList { help });
        QVERIFY(rig.fakes.settings.writtenKeys.isEmpty() && !QFile::exists(rig.confPath()));
        QVERIFY(rig.fakes.runner.answer(answer));
        QCOMPARE(fileBytes(rig.confPath()), kFirstRunText.toUtf8() + "\r\n");
        QCOMPARE(rig.fakes.stored("CRYPTO_NAME_TEXTBOX"), "");
    }

    // Closing the window while SAVE waits drops the check, which ends the daemon's run; no file is written.
    void closingWhileSaveWaitsWritesNothing()
    {
        ConfGeneratorRig rig;
        const QString help = rig.useDaemon("Litecoin Core version v0.21.2.1", { "regtest" }) + " -help";
        const ProcessAnswer answer = rig.fakes.runner.answers.take(help);
        rig.window->show();
        rig.at("SAVE_BUTTON")->click();
        rig.at("CANCEL_BUTTON")->click();
        QVERIFY(!rig.fakes.runner.runs.value(0).receiver);
        QVERIFY(rig.fakes.runner.answer(answer));
        QVERIFY(!QFile::exists(rig.confPath()));
        QVERIFY(!rig.fakes.settings.writtenKeys.contains("CRYPTO_NAME_TEXTBOX"));
    }

    // A new file takes the old one's place: a second hard link to the old file keeps the old bytes, so a save
    // cut short can never leave a half-written file.
    void saveReplacesTheFileInOneStep()
    {
        ConfGeneratorRig rig;
        const QString link = rig.folder.path() + "/link.conf";
        QVERIFY(writeFile(rig.confPath(), "old"));
        std::error_code linkError;
        std::filesystem::create_hard_link(rig.confPath().toStdU16String(), link.toStdU16String(), linkError);
        QVERIFY2(!linkError, linkError.message().c_str());
        rig.at("SAVE_BUTTON")->click();
        QCOMPARE(fileBytes(rig.confPath()), kFirstRunText.toUtf8() + "\r\n");
        QCOMPARE(fileBytes(link), "old");
    }

    // A hundred lines the node refuses: the dialog lists twenty and counts the rest, it fits the screen with
    // "Save anyway" in view, and that button writes the file. Lines too long for the screen lose findings
    // from the middle of the list.
    void manyFindingsDialogFitsTheScreen_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("cut");
        QTest::newRow("short lines") << "port=1" << false;
        QTest::newRow("long lines") << "rpcallowip=" + QString(400, '1') << true;
    }

    void manyFindingsDialogFitsTheScreen()
    {
        QFETCH(QString, line);
        QFETCH(bool, cut);
        ConfGeneratorRig rig;
        rig.useDaemon("Litecoin Core version v0.21.2.1", { "regtest", "server", "port", "rpcallowip" });
        QtDialogs dialogs;
        const Platform& fakes = rig.context.platform;
        AppContext context({ fakes.settings, fakes.launcher, fakes.processes, fakes.stacking, dialogs,
            fakes.executable, fakes.runner, fakes.settingsFolder, fakes.programHelp, fakes.random });
        QUORLIN_CONF_GENERATOR_MAIN window(context, nullptr);
        ctl<MultiLineBox>(window, "USER_DEFINED_SETTINGS_TEXTBOX")
            ->setText("regtest=1\r\nserver=1" + ("\r\n" + line).repeated(100));
        QString shown;
        QRect frame, proceed;
        QTimer answer; // reads the dialog when it shows and saves anyway
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                frame = box->frameGeometry();
                QAbstractButton* button = box->buttons().value(0);
                proceed = QRect(button->mapToGlobal(QPoint()), button->size());
                QCOMPARE(button->text(), "Save anyway");
                button->click();
            }
        });
        answer.start(50);
        window.show();
        ctl<QPushButton>(window, "SAVE_BUTTON")->click();
        QTRY_VERIFY(!shown.isEmpty());
        QCOMPARE(frame.intersected(QGuiApplication::primaryScreen()->availableGeometry()), frame);
        QCOMPARE(proceed.intersected(frame), proceed);
        QCOMPARE(shown.count("\nLine ") < 20, cut);
        QCOMPARE(shown.contains("\n...\n"), cut);
        QVERIFY2(shown.contains("\nand 80 more\n"), qPrintable(shown));
        QVERIFY(fileBytes(rig.confPath()).contains(("\r\n" + line).repeated(2).toUtf8()));
    }

    // A tick that renders the same text leaves the user's selection in the preview alone.
    void previewSelectionSurvivesATick()
    {
        ConfGeneratorRig rig;
        MultiLineBox& preview = *rig.at<MultiLineBox>("CONF_OUTPUT_TEXTBOX");
        QVERIFY(preview.find("CONF FILE CREATED"));
        QSignalSpy tick(rig.window->findChild<QTimer*>("CONF_OUTPUT_TIMER"), &QTimer::timeout);
        QVERIFY(tick.wait(5000));
        QCOMPARE(preview.textCursor().selectedText(), "CONF FILE CREATED");
    }

    // Each kind of field reaches the preview at the next tick, also after ticks without a change.
    void previewFollowsEveryField()
    {
        ConfGeneratorRig rig;
        const std::pair<std::function<void()>, QString> changes[] = {
            { [&] { rig.at<QLineEdit>("RPC_USER_TEXTBOX")->setText("me"); }, "\r\nrpcuser=me\r\n" },
            { [&] { rig.at<MultiLineBox>("USER_DEFINED_SETTINGS_TEXTBOX")->setText("txindex=1"); },
                "\r\ntxindex=1\r\n" },
            { [&] { rig.at("SERVER_TICKBOX")->click(); }, "\r\nserver=1\r\n" },
            { [&] { rig.model().setText(&ConfFields::fullNodeList, "addnode=x"); }, "\r\naddnode=x" },
        };
        for (const auto& [change, line] : changes) {
            QVERIFY(!rig.preview().contains(line));
            change();
            QVERIFY2(rig.preview().contains(line), qPrintable(line));
        }
    }

    // A folder in the file's place is not written, and the window stays open.
    void failedWriteKeepsTheOldFileAndTheWindow()
    {
        ConfGeneratorRig rig;
        QVERIFY(QDir().mkdir(rig.confPath()));
        QVERIFY(writeFile(rig.confPath() + "/inside", "kept"));
        rig.saveFails(rig.confPath() + "/inside", "a folder");
    }

    // The tick box arms the seven buttons and changes no field.
    void importTickBoxArmsThePresets()
    {
        ConfGeneratorRig rig;
        const QString before = rig.preview();
        QUORLIN_CONF_GENERATOR_IDS presets(rig.context, rig.model(), rig.window.get());
        QCOMPARE(enabledPresetButtons(presets), 0);
        ctl<QCheckBox>(presets, "IMPORT_SETTINGS_TICKBOX")->click();
        QCOMPARE(enabledPresetButtons(presets), 7);
        QCOMPARE(rig.preview(), before);
    }

    // A coin button fills the conf generator and disarms the window, Cancel now Close; Esc closes as Cancel.
    void coinButtonFillsTheGeneratorAndDisarms()
    {
        ConfGeneratorRig rig;
        QUORLIN_CONF_GENERATOR_IDS presets(rig.context, rig.model(), rig.window.get());
        presets.show();
        ctl<QCheckBox>(presets, "IMPORT_SETTINGS_TICKBOX")->click();
        ctl<QPushButton>(presets, "NMC_IMPORT_BUTTON")->click();
        QCOMPARE(enabledPresetButtons(presets), 0);
        QCOMPARE(rig.at<QLineEdit>("CRYPTO_NAME_TEXTBOX")->text(), "NMC - Namecoin");
        QCOMPARE(rig.line(9), "daemon=1");
        QVERIFY(rig.at("DAEMON_TICKBOX")->isEnabled());
        QCOMPARE(ctl<QPushButton>(presets, "CANCEL_BUTTON")->text(), "Close");
        QTest::keyClick(&presets, Qt::Key_Escape);
        QVERIFY(!presets.isVisible());
    }

    // The preset whose user name is exactly the conf generator's shows green.
    void presetOfTheSameUserShowsGreen_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("green");
        QTest::newRow("the same") << QString("IM_ALL_IN") << QString("9");
        QTest::newRow("other case") << QString("im_all_in") << QString();
        QTest::newRow("trailing space") << QString("IM_ALL_IN ") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("no preset's") << QString("typed") << QString();
    }

    void presetOfTheSameUserShowsGreen()
    {
        QFETCH(QString, user);
        QFETCH(QString, green);
        ConfModelRig rig({ "RPC_USER_TEXTBOX=" + user });
        QCOMPARE(shown(QUORLIN_CONF_GENERATOR_TEST_RPC(rig.context, rig.model, nullptr)).value(3), green);
    }

    // The credentials window opens with the conf generator's credentials.
    void credentialsWindowShowsTheGeneratorsCredentials()
    {
        ConfModelRig rig(kTypedCredentials);
        QUORLIN_CONF_GENERATOR_TEST_RPC window(rig.context, rig.model, nullptr);
        QCOMPARE(shown(window), QStringList({ "typed", "secret", "one\r\ntwo\r\n", "" }));
    }

    // Each preset button shows its preset, green, in the window and hands nothing over.
    void presetsShowInTheWindowOnly()
    {
        ConfModelRig rig(kTypedCredentials);
        QUORLIN_CONF_GENERATOR_TEST_RPC window(rig.context, rig.model, nullptr);
        QStringList presets; // each preset's user and the green button after a click
        for (int n = 1; n <= 10; ++n) {
            ctl<QPushButton>(window, QByteArray("TEST_CFG_" + QByteArray::number(n) + "_BUTTON"))->click();
            const QStringList boxes = shown(window);
            presets << boxes[0] + ' ' + boxes[3];
            checkRpcauthScheme(boxes);
        }
        QCOMPARE(presets.join(' '),
            "CRYPTO_MOONSHOT 1 BULLS_GO_LONG 2 BEARS_GO_SHORT 3 GENESIS_BLOCK_01 4 BITCOIN_IS_KING 5 "
            "BITCONNECT_LIVES_ON 6 CRYPTO_TO_INFINITY 7 CRYPTO_ALWAYS 8 IM_ALL_IN 9 HODL_HODL_HODL 10");
        QCOMPARE(credentialLines(rig), QStringList({ "rpcuser=typed", "rpcpassword=secret", "rpcauth=one" }));
    }

    // New credentials, from a button in the clear: a random user, a new password each time and the presets'
    // scheme, shown in the window only, with no preset green.
    void newCredentialsAreRandom()
    {
        ConfModelRig rig;
        QUORLIN_CONF_GENERATOR_TEST_RPC window(rig.context, rig.model, nullptr);
        window.show();
        ctl<QPushButton>(window, "TEST_CFG_9_BUTTON")->click(); // a preset shows green until then
        QPushButton* const newCredentials = ctl<QPushButton>(window, "NEW_SECURE_CREDENTIALS_BUTTON");
        for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY(control == newCredentials || !control->geometry().intersects(newCredentials->geometry()));
        newCredentials->click();
        const QString first = shown(window).value(1);
        newCredentials->click();
        const QStringList boxes = shown(window);
        QVERIFY2(
            QRegularExpression("^quorlin-[0-9a-f]{8}$").match(boxes[0]).hasMatch(), qPrintable(boxes[0]));
        checkRpcauthScheme(boxes);
        QVERIFY(boxes[3].isEmpty() && boxes[1] != first);
        QCOMPARE(ctl<QPushButton>(window, "CANCEL_BUTTON")->text(), "Cancel");
    }

    // "Use" hands over the credentials as the window has them then; the window stays, Cancel now Close.
    void useHandsTheCredentialsOver()
    {
        ConfModelRig rig(kTypedCredentials);
        QUORLIN_CONF_GENERATOR_TEST_RPC window(rig.context, rig.model, nullptr);
        window.show();
        ctl<QPushButton>(window, "NEW_SECURE_CREDENTIALS_BUTTON")->click();
        ctl<QLineEdit>(window, "RPC_USER_TEXTBOX")->setText("mine");
        ctl<MultiLineBox>(window, "RPC_AUTH_TEXTBOX")->clear();
        ctl<QPushButton>(window, "USE_CURRENT_CREDENTIALS_BUTTON")->click();
        QCOMPARE(credentialLines(rig),
            QStringList({ "rpcuser=mine", "rpcpassword=" + shown(window).value(1), "#rpcauth=" }));
        QVERIFY(window.isVisible());
        QCOMPARE(ctl<QPushButton>(window, "CANCEL_BUTTON")->text(), "Close");
    }

    // When the system's generator fails, new credentials say so and fill nothing: no weaker source stands in.
    void newCredentialsNeedTheSystemGenerator()
    {
        ConfModelRig rig;
        QUORLIN_CONF_GENERATOR_TEST_RPC window(rig.context, rig.model, nullptr);
        window.show();
        ctl<QPushButton>(window, "TEST_CFG_9_BUTTON")->click();
        const QStringList before = shown(window);
        rig.fakes.random.error = "getrandom: Function not implemented";
        ctl<QPushButton>(window, "NEW_SECURE_CREDENTIALS_BUTTON")->click();
        QCOMPARE(shown(window), before);
        QCOMPARE(rig.fakes.dialogs.errors,
            QStringList(
                "QUORLIN - CONF-GENERATOR - TEST RPC CREDENTIALS\nNo new credentials were made: the "
                "operating system's random generator failed.\n\ngetrandom: Function not implemented"));
    }
};

QTEST_MAIN(TestConfGenerator)
#include "test_conf_generator.moc"
