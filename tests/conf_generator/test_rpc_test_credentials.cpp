#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_generator/rpc_test_credentials.h"
#include "conf_generator_rig.h"
#include "core/look.h"

#include <QMessageAuthenticationCode>
#include <QRegularExpression>
#include <QtTest>

class TestRpcTestCredentials : public QObject {
    Q_OBJECT

private slots:
    void presetsFollowTheRpcauthScheme_data();
    void presetsFollowTheRpcauthScheme();
    void presetsDiffer();
    void openingMarksByExactName_data();
    void openingMarksByExactName();
    void choosingShowsButDoesNotHandOver();
    void usingHandsTheBoxesOver();
    void closingKeys_data();
    void closingKeys();
    void openedFromTheConfGenerator();
};

namespace {

struct CredentialsRig : ConfGeneratorRig {
    void openCredentials()
    {
        credentials = std::make_unique<QUORLIN_CONF_GENERATOR_TEST_RPC>(*context, *window);
    }

    // The numbers of the green preset buttons.
    QList<int> green() const
    {
        QList<int> marked;
        const auto buttons = credentials->presetButtons();
        for (int n = 1; n <= 10; ++n) {
            const QColor colour = buttons[n - 1]->palette().color(QPalette::Button);
            if (colour == colourFromBgr(kGreenBgr))
                marked.append(n);
            else if (colour != QApplication::palette().color(QPalette::Button))
                marked.append(-n); // neither green nor the button face
        }
        return marked;
    }

    QStringList confBoxes() const
    {
        return { window->RPC_USER_TEXTBOX->text(), window->RPC_PASSWORD_TEXTBOX->text(),
            window->RPC_AUTH_TEXTBOX->text() };
    }

    QStringList ownBoxes() const
    {
        return { credentials->RPC_USER_TEXTBOX->text(), credentials->RPC_PASSWORD_TEXTBOX->text(),
            credentials->RPC_AUTH_TEXTBOX->text() };
    }

    void setConfBoxes(const QString& user, const QString& password, const QString& auth)
    {
        window->RPC_USER_TEXTBOX->setText(user);
        window->RPC_PASSWORD_TEXTBOX->setText(password);
        window->RPC_AUTH_TEXTBOX->setText(auth);
    }

    std::unique_ptr<QUORLIN_CONF_GENERATOR_TEST_RPC> credentials;
};

QStringList presetTexts(int n)
{
    const RpcCredentials& preset = kRpcTestPresets[n - 1];
    return { preset.user.toString(), preset.password.toString(), preset.auth.toString() };
}

} // namespace

void TestRpcTestCredentials::presetsFollowTheRpcauthScheme_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("user");
    const char* users[]
        = { "CRYPTO_MOONSHOT", "BULLS_GO_LONG", "BEARS_GO_SHORT", "GENESIS_BLOCK_01", "BITCOIN_IS_KING",
              "BITCONNECT_LIVES_ON", "CRYPTO_TO_INFINITY", "CRYPTO_ALWAYS", "IM_ALL_IN", "HODL_HODL_HODL" };
    for (int n = 1; n <= 10; ++n)
        QTest::newRow(users[n - 1]) << n << QString::fromLatin1(users[n - 1]);
}

void TestRpcTestCredentials::presetsFollowTheRpcauthScheme()
{
    QFETCH(int, preset);
    QFETCH(QString, user);

    const RpcCredentials& set = kRpcTestPresets[preset - 1];
    QCOMPARE(set.user, user);

    // 32 random bytes in URL-safe base64.
    const QString password = set.password.toString();
    QCOMPARE(password.size(), 44);
    QVERIFY(QRegularExpression(QStringLiteral("^[A-Za-z0-9_-]{43}=$")).match(password).hasMatch());
    const auto decoded = QByteArray::fromBase64Encoding(
        password.toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    QVERIFY(decoded);
    QCOMPARE(decoded.decoded.size(), 32);

    // user:salt$hash, hash = HMAC-SHA256 keyed with the salt text, of the password.
    const QRegularExpressionMatch line
        = QRegularExpression(QStringLiteral("^([^:]+):([0-9a-f]{30,32})\\$([0-9a-f]{64})$")).match(set.auth);
    QVERIFY2(line.hasMatch(), qPrintable(set.auth.toString()));
    QCOMPARE(line.captured(1), user);
    const QByteArray hash = QMessageAuthenticationCode::hash(
        password.toUtf8(), line.captured(2).toUtf8(), QCryptographicHash::Sha256)
                                .toHex();
    QCOMPARE(line.captured(3).toLatin1(), hash);
    QVERIFY(set.auth.size() >= 105 && set.auth.size() <= 117);

    // The button of the preset shows its number and its user name.
    CredentialsRig rig;
    rig.openCredentials();
    QPushButton* button = rig.credentials->presetButtons()[preset - 1];
    QCOMPARE(button->text(), QString::number(preset));
    QCOMPARE(button->toolTip(), user);
}

void TestRpcTestCredentials::presetsDiffer()
{
    QSet<QStringView> passwords;
    QSet<QStringView> auths;
    for (const RpcCredentials& set : kRpcTestPresets) {
        passwords.insert(set.password);
        auths.insert(set.auth);
    }
    QCOMPARE(passwords.size(), 10);
    QCOMPARE(auths.size(), 10);
}

void TestRpcTestCredentials::openingMarksByExactName_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QList<int>>("green");

    QTest::newRow("exact name") << "IM_ALL_IN" << QList<int> { 9 };
    QTest::newRow("lower case") << "im_all_in" << QList<int> {};
    QTest::newRow("trailing blank") << "IM_ALL_IN " << QList<int> {};
    QTest::newRow("empty") << "" << QList<int> {};
    QTest::newRow("first preset") << "CRYPTO_MOONSHOT" << QList<int> { 1 };
    QTest::newRow("last preset") << "HODL_HODL_HODL" << QList<int> { 10 };
}

void TestRpcTestCredentials::openingMarksByExactName()
{
    QFETCH(QString, user);
    QFETCH(QList<int>, green);

    CredentialsRig rig;
    // The password and the rpcauth line play no part in the marking.
    rig.setConfBoxes(user, user.isEmpty() ? QString() : QStringLiteral("typed"),
        user.isEmpty() ? QString() : QStringLiteral("one\r\ntwo\r\n"));
    const QStringList before = rig.confBoxes();
    rig.openCredentials();
    QCOMPARE(rig.green(), green);
    QCOMPARE(rig.ownBoxes(), before);
    QCOMPARE(rig.credentials->CANCEL_BUTTON->text(), QStringLiteral("Cancel"));

    // Using them at once writes back the same three texts.
    rig.credentials->USE_CURRENT_CREDENTIALS_BUTTON->click();
    QCOMPARE(rig.confBoxes(), before);
}

void TestRpcTestCredentials::choosingShowsButDoesNotHandOver()
{
    CredentialsRig rig;
    rig.setConfBoxes(QStringLiteral("IM_ALL_IN"), QStringLiteral("old"), QStringLiteral("old:1$2"));
    rig.openCredentials();
    QCOMPARE(rig.green(), QList<int> { 9 });

    rig.credentials->TEST_CFG_4_BUTTON->click();
    QCOMPARE(rig.ownBoxes(), presetTexts(4));
    QCOMPARE(rig.green(), QList<int> { 4 });
    QCOMPARE(rig.confBoxes(), QStringList({ "IM_ALL_IN", "old", "old:1$2" }));
    QCOMPARE(rig.credentials->CANCEL_BUTTON->text(), QStringLiteral("Cancel"));

    // Typing changes no colour.
    rig.credentials->RPC_USER_TEXTBOX->setText(QStringLiteral("HODL_HODL_HODL"));
    QCOMPARE(rig.green(), QList<int> { 4 });
}

void TestRpcTestCredentials::usingHandsTheBoxesOver()
{
    CredentialsRig rig;
    rig.openCredentials();
    rig.credentials->show();
    rig.credentials->TEST_CFG_4_BUTTON->click();
    rig.credentials->USE_CURRENT_CREDENTIALS_BUTTON->click();

    QCOMPARE(rig.confBoxes(), presetTexts(4));
    QCOMPARE(rig.credentials->CANCEL_BUTTON->text(), QStringLiteral("Close"));
    QVERIFY(rig.credentials->isVisible());
    QCOMPARE(rig.line(19), QStringLiteral("rpcuser=GENESIS_BLOCK_01"));
    QCOMPARE(rig.line(20), QStringLiteral("rpcpassword=") + presetTexts(4)[1]);
    QCOMPARE(rig.line(21), QStringLiteral("rpcauth=") + presetTexts(4)[2]);

    // Hand-typed texts are handed over as they are.
    rig.credentials->RPC_USER_TEXTBOX->setText(QStringLiteral(" me "));
    rig.credentials->RPC_AUTH_TEXTBOX->clear();
    rig.credentials->USE_CURRENT_CREDENTIALS_BUTTON->click();
    QCOMPARE(rig.confBoxes(), QStringList({ " me ", presetTexts(4)[1], "" }));
    QVERIFY(rig.fakes.settings.writtenKeys.isEmpty());
}

void TestRpcTestCredentials::closingKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("inPasswordBox");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    QTest::newRow("Enter in the password box") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc in the password box") << int(Qt::Key_Escape) << true;
}

void TestRpcTestCredentials::closingKeys()
{
    QFETCH(int, key);
    QFETCH(bool, inPasswordBox);

    CredentialsRig rig;
    rig.openCredentials();
    rig.credentials->show();
    QWidget* target = inPasswordBox ? static_cast<QWidget*>(rig.credentials->RPC_PASSWORD_TEXTBOX)
                                    : rig.credentials.get();
    QTest::keyClick(target, Qt::Key(key));

    QVERIFY(!rig.credentials->isVisible());
    QCOMPARE(rig.fakes.settings.writtenKeys,
        QStringList({ "TEST-RPC-CREDENTIALS-Left", "TEST-RPC-CREDENTIALS-Top", "TEST-RPC-CREDENTIALS-Left",
            "TEST-RPC-CREDENTIALS-Top" }));
    QCOMPARE(rig.credentials->RPC_PASSWORD_TEXTBOX->text(), QString());
}

void TestRpcTestCredentials::openedFromTheConfGenerator()
{
    ConfGeneratorRig rig;
    bool done = false;
    QTimer::singleShot(0, [&] {
        auto* credentials = qobject_cast<QUORLIN_CONF_GENERATOR_TEST_RPC*>(QApplication::activeModalWidget());
        QVERIFY(credentials);
        QCOMPARE(credentials->parentWidget(), rig.window.get());
        credentials->TEST_CFG_9_BUTTON->click();
        credentials->USE_CURRENT_CREDENTIALS_BUTTON->click();
        credentials->CANCEL_BUTTON->click();
        done = true;
    });
    rig.window->show();
    rig.window->KD_RPC_TEST_CREDENTIALS_BUTTON_Click();
    QTRY_VERIFY(done);
    QCOMPARE(rig.window->RPC_USER_TEXTBOX->text(), QStringLiteral("IM_ALL_IN"));
    QCOMPARE(rig.line(21), QStringLiteral("rpcauth=") + presetTexts(9)[2]);
}

QTEST_MAIN(TestRpcTestCredentials)
#include "test_rpc_test_credentials.moc"
