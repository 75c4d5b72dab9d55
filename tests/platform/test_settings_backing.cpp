#include "platform/qsettings_backing.h"
#include "platform/settings_location.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kApp = QStringLiteral("KD_QUORLIN");
const QString kSection = QStringLiteral("KD-QUORLIN");

// This executable doubles as a second copy of the program writing the same
// store: "--peer <root> save <key> <value>", "--peer <root> read <key>",
// "--peer <root> save-many <key> <count>".
int runPeer(const QStringList& args)
{
    QSettingsBacking backing(args.value(2));
    const QString action = args.value(3);
    const QString key = args.value(4);
    if (action == QStringLiteral("save"))
        backing.SaveSetting(kApp, kSection, key, args.value(5));
    else if (action == QStringLiteral("read"))
        QTextStream(stdout) << backing.GetSetting(kApp, kSection, key, QStringLiteral("<default>"));
    else if (action == QStringLiteral("save-many"))
        for (int i = 1; i <= args.value(5).toInt(); ++i)
            backing.SaveSetting(kApp, kSection, key, QString::number(i));
    else
        return 2;
    return 0;
}

} // namespace

class TestSettingsBacking : public QObject {
    Q_OBJECT

private slots:
    void init();

    void roundTripsTextExactly_data();
    void roundTripsTextExactly();
    void missingReadsDefaultAndWritesNothing();
    void storesOwnerOnlySectionFile();
    void sectionsAreSeparateFiles();

    void secondCopySeesEachWrite();
    void concurrentWritersKeepFileParseable();

    void userConfigRootFollowsXdg_data();
    void userConfigRootFollowsXdg();

private:
    QString peer(const QStringList& args);

    std::unique_ptr<QTemporaryDir> m_root;
};

void TestSettingsBacking::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
}

QString TestSettingsBacking::peer(const QStringList& args)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
        QStringList { QStringLiteral("--peer"), m_root->path() } + args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<peer failed>");
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TestSettingsBacking::roundTripsTextExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("CR LF inside") << QStringLiteral("first\r\nsecond\r\n");
    QTest::newRow("lone LF and tab") << QStringLiteral("a\nb\tc");
    QTest::newRow("commas") << QStringLiteral("a,b, c,");
    QTest::newRow("quotes") << QStringLiteral(R"("C:\Program Files\x.exe" -conf="a b")");
    QTest::newRow("backslashes") << QStringLiteral(R"(\\server\share\ \x41\0)");
    QTest::newRow("equals") << QStringLiteral("rpcuser=me=you");
    QTest::newRow("semicolon") << QStringLiteral(";comment-like; value");
    QTest::newRow("hash") << QStringLiteral("#disablewallet=1");
    QTest::newRow("brackets") << QStringLiteral("[General]");
    QTest::newRow("leading and trailing blanks") << QStringLiteral("  padded  ");
    QTest::newRow("blank only") << QStringLiteral(" ");
    QTest::newRow("non-ascii") << QStringLiteral("Ærø Ünïcødé 比特币 ₿");
    QTest::newRow("starts with @") << QStringLiteral("@ByteArray(x)");
    QTest::newRow("at sign alone") << QStringLiteral("@");
    QTest::newRow("looks like a list") << QStringLiteral("a, b");
    QTest::newRow("looks like a number") << QStringLiteral("007");
    QTest::newRow("looks like true") << QStringLiteral("true");
}

void TestSettingsBacking::roundTripsTextExactly()
{
    QFETCH(QString, text);
    {
        QSettingsBacking writer(m_root->path());
        writer.SaveSetting(kApp, kSection, QStringLiteral("KEY"), text);
        QCOMPARE(writer.GetSetting(kApp, kSection, QStringLiteral("KEY"), QStringLiteral("default")), text);
    }
    // A later run reads the file afresh.
    QSettingsBacking reader(m_root->path());
    QCOMPARE(reader.GetSetting(kApp, kSection, QStringLiteral("KEY"), QStringLiteral("default")), text);
    QCOMPARE(peer({ QStringLiteral("read"), QStringLiteral("KEY") }), text);
}

void TestSettingsBacking::missingReadsDefaultAndWritesNothing()
{
    QSettingsBacking backing(m_root->path());
    QCOMPARE(backing.GetSetting(kApp, kSection, QStringLiteral("MAIN_Left"), QStringLiteral("1000")),
        QStringLiteral("1000"));
    QCOMPARE(backing.GetSetting(kApp, kSection, QStringLiteral("X"), QString()), QString());
    QVERIFY(!QFileInfo::exists(iniSectionFilePath(m_root->path(), kApp, kSection)));

    backing.SaveSetting(kApp, kSection, QStringLiteral("OTHER"), QStringLiteral("1"));
    QCOMPARE(backing.GetSetting(kApp, kSection, QStringLiteral("MAIN_Left"), QStringLiteral("1000")),
        QStringLiteral("1000"));
}

void TestSettingsBacking::storesOwnerOnlySectionFile()
{
    const QString folder = m_root->filePath(QStringLiteral("KD_QUORLIN"));
    const QString file = folder + QStringLiteral("/KD-QUORLIN.ini");
    QCOMPARE(iniSectionFilePath(m_root->path(), kApp, kSection), file);

    QSettingsBacking backing(m_root->path());
    backing.SaveSetting(kApp, kSection, QStringLiteral("RPC_PASSWORD_TEXTBOX"), QStringLiteral("secret"));
    QVERIFY(QFileInfo::exists(file));

    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const auto other = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    const QFileDevice::Permissions folderMode = QFileInfo(folder).permissions();
    QCOMPARE(folderMode & (owner | QFileDevice::ExeOwner | other), owner | QFileDevice::ExeOwner);
    const QFileDevice::Permissions fileMode = QFileInfo(file).permissions();
    QCOMPARE(fileMode & (owner | QFileDevice::ExeOwner | other), owner);

    // A folder that someone opened up is closed again at the next write.
    QVERIFY(QFile::setPermissions(
        folder, QFileInfo(folder).permissions() | QFileDevice::ReadOther | QFileDevice::ExeOther));
    backing.SaveSetting(kApp, kSection, QStringLiteral("RPC_PASSWORD_TEXTBOX"), QStringLiteral("secret2"));
    QCOMPARE(QFileInfo(folder).permissions() & other, QFileDevice::Permissions());
    QCOMPARE(QFileInfo(file).permissions() & other, QFileDevice::Permissions());
}

void TestSettingsBacking::sectionsAreSeparateFiles()
{
    QSettingsBacking backing(m_root->path());
    backing.SaveSetting(
        kApp, QStringLiteral("LTC-NODE"), QStringLiteral("CRYPTO_NAME_TEXTBOX"), QStringLiteral("Litecoin"));
    QCOMPARE(backing.GetSetting(kApp, kSection, QStringLiteral("CRYPTO_NAME_TEXTBOX"), QString()), QString());
    QCOMPARE(backing.GetSetting(
                 kApp, QStringLiteral("LTC-NODE"), QStringLiteral("CRYPTO_NAME_TEXTBOX"), QString()),
        QStringLiteral("Litecoin"));
    QVERIFY(QFileInfo::exists(m_root->filePath(QStringLiteral("KD_QUORLIN/LTC-NODE.ini"))));
    QVERIFY(!QFileInfo::exists(m_root->filePath(QStringLiteral("KD_QUORLIN/KD-QUORLIN.ini"))));
}

void TestSettingsBacking::secondCopySeesEachWrite()
{
    QSettingsBacking mine(m_root->path());
    const QString key = QStringLiteral("KD_D_COMMAND_TEXTBOX");
    mine.SaveSetting(kApp, kSection, key, QStringLiteral("mine 1"));
    mine.SaveSetting(kApp, kSection, QStringLiteral("MAIN_Left"), QStringLiteral("1500"));
    QCOMPARE(peer({ QStringLiteral("read"), key }), QStringLiteral("mine 1"));

    // The other copy writes last: its value wins, and mine keeps its other keys.
    QCOMPARE(peer({ QStringLiteral("save"), key, QStringLiteral("peer 2") }), QString());
    QCOMPARE(peer({ QStringLiteral("save"), QStringLiteral("PEER_ONLY"), QStringLiteral("p") }), QString());
    QCOMPARE(mine.GetSetting(kApp, kSection, key, QString()), QStringLiteral("peer 2"));
    QCOMPARE(mine.GetSetting(kApp, kSection, QStringLiteral("MAIN_Left"), QString()), QStringLiteral("1500"));

    mine.SaveSetting(kApp, kSection, key, QStringLiteral("mine 3"));
    QCOMPARE(peer({ QStringLiteral("read"), key }), QStringLiteral("mine 3"));
    QCOMPARE(peer({ QStringLiteral("read"), QStringLiteral("PEER_ONLY") }), QStringLiteral("p"));
}

void TestSettingsBacking::concurrentWritersKeepFileParseable()
{
    constexpr int kWrites = 40;
    QProcess other;
    other.start(QCoreApplication::applicationFilePath(),
        { QStringLiteral("--peer"), m_root->path(), QStringLiteral("save-many"), QStringLiteral("PEER"),
            QString::number(kWrites) });
    QVERIFY(other.waitForStarted());
    QSettingsBacking mine(m_root->path());
    for (int i = 1; i <= kWrites; ++i)
        mine.SaveSetting(kApp, kSection, QStringLiteral("MINE"), QString::number(i));
    QVERIFY(other.waitForFinished(60000));
    QCOMPARE(other.exitCode(), 0);

    QSettings file(iniSectionFilePath(m_root->path(), kApp, kSection), QSettings::IniFormat);
    QCOMPARE(file.status(), QSettings::NoError);
    QStringList keys = file.allKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList { QStringLiteral("MINE"), QStringLiteral("PEER") }));
    for (const QString& key : keys) {
        bool number = false;
        const int value = file.value(key).toString().toInt(&number);
        QVERIFY(number && value >= 1 && value <= kWrites);
    }
    QCOMPARE(mine.GetSetting(kApp, kSection, QStringLiteral("PEER"), QString()),
        file.value(QStringLiteral("PEER")).toString());
}

void TestSettingsBacking::userConfigRootFollowsXdg_data()
{
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QString>("expected");
    QTest::newRow("set") << QByteArray("/srv/cfg") << QStringLiteral("/srv/cfg");
    QTest::newRow("empty") << QByteArray("") << QDir::homePath() + QStringLiteral("/.config");
    QTest::newRow("unset") << QByteArray() << QDir::homePath() + QStringLiteral("/.config");
}

void TestSettingsBacking::userConfigRootFollowsXdg()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QString, expected);
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        if (wasSet)
            qputenv("XDG_CONFIG_HOME", saved);
        else
            qunsetenv("XDG_CONFIG_HOME");
    });
    if (xdg.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", xdg);
    QCOMPARE(userConfigRoot(), expected);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == QStringLiteral("--peer"))
        return runPeer(args);
    TestSettingsBacking test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings_backing.moc"
