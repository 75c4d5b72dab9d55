#include "core/default_conf_path.h"

#include <QtTest>

class TestDefaultConfPath : public QObject {
    Q_OBJECT

private slots:
    void splitsExecutablePath_data();
    void splitsExecutablePath();
};

void TestDefaultConfPath::splitsExecutablePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("stripExtension");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("confPath");

    const QChar win = u'\\';
    const QChar nix = u'/';
    QTest::newRow("windows") << QStringLiteral(R"(C:\Nodes\btc-node.exe)") << win << true
                             << QStringLiteral("btc-node") << QStringLiteral(R"(C:\Nodes)")
                             << QStringLiteral(R"(C:\Nodes\btc-node-CRYPTO-CONFIG.conf)");
    QTest::newRow("windows drive root")
        << QStringLiteral(R"(C:\KD-QUORLIN.exe)") << win << true << QStringLiteral("KD-QUORLIN")
        << QStringLiteral(R"(C:\)") << QStringLiteral(R"(C:\\KD-QUORLIN-CRYPTO-CONFIG.conf)");
    QTest::newRow("windows, dots in name")
        << QStringLiteral(R"(D:\a.b\my.node.exe)") << win << true << QStringLiteral("my.node")
        << QStringLiteral(R"(D:\a.b)") << QStringLiteral(R"(D:\a.b\my.node-CRYPTO-CONFIG.conf)");
    QTest::newRow("windows share") << QStringLiteral(R"(\\srv\nodes\ltc.exe)") << win << true
                                   << QStringLiteral("ltc") << QStringLiteral(R"(\\srv\nodes)")
                                   << QStringLiteral(R"(\\srv\nodes\ltc-CRYPTO-CONFIG.conf)");
    QTest::newRow("linux keeps whole name")
        << QStringLiteral("/opt/x/KD-QUORLIN") << nix << false << QStringLiteral("KD-QUORLIN")
        << QStringLiteral("/opt/x") << QStringLiteral("/opt/x/KD-QUORLIN-CRYPTO-CONFIG.conf");
    QTest::newRow("linux dots stay") << QStringLiteral("/opt/my.node.exe") << nix << false
                                     << QStringLiteral("my.node.exe") << QStringLiteral("/opt")
                                     << QStringLiteral("/opt/my.node.exe-CRYPTO-CONFIG.conf");
    QTest::newRow("linux root") << QStringLiteral("/KD-QUORLIN") << nix << false
                                << QStringLiteral("KD-QUORLIN") << QStringLiteral("/")
                                << QStringLiteral("//KD-QUORLIN-CRYPTO-CONFIG.conf");
    QTest::newRow("linux folder ending in a colon")
        << QStringLiteral("/srv/backup:/KD-QUORLIN") << nix << false << QStringLiteral("KD-QUORLIN")
        << QStringLiteral("/srv/backup:") << QStringLiteral("/srv/backup:/KD-QUORLIN-CRYPTO-CONFIG.conf");
    QTest::newRow("linux colon folder at root")
        << QStringLiteral("/c:/KD-QUORLIN") << nix << false << QStringLiteral("KD-QUORLIN")
        << QStringLiteral("/c:") << QStringLiteral("/c:/KD-QUORLIN-CRYPTO-CONFIG.conf");
}

void TestDefaultConfPath::splitsExecutablePath()
{
    QFETCH(QString, path);
    QFETCH(QChar, separator);
    QFETCH(bool, stripExtension);
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(QString, confPath);

    const ExecutableIdentity identity = executableIdentityFromPath(path, separator, stripExtension);
    QCOMPARE(identity.name, name);
    QCOMPARE(identity.folder, folder);
    QCOMPARE(defaultConfPath(identity, separator), confPath);
}

QTEST_APPLESS_MAIN(TestDefaultConfPath)
#include "test_default_conf_path.moc"
