#include "platform/qsettings_backing.h"
#include "platform/settings_location.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kApp = u"KD_QUORLIN"_s;
const QString kSection = u"KD-QUORLIN"_s;

// This executable doubles as a second copy of the program writing the same
// store: "--peer <root> save <key> <value>", "--peer <root> read <key>",
// "--peer <root> save-many <key> <count>".
int runPeer(const QStringList& args)
{
    QSettingsBacking backing(args.value(2));
    const QString action = args.value(3);
    if (action == u"read"_s)
        QTextStream(stdout) << backing.GetSetting(kApp, kSection, args.value(4), u"<default>"_s);
    for (int i = 1; action == u"save-many"_s && i <= args.value(5).toInt(); ++i)
        backing.SaveSetting(kApp, kSection, args.value(4), QString::number(i));
    if (action == u"save"_s)
        backing.SaveSetting(kApp, kSection, args.value(4), args.value(5));
    return 0;
}

} // namespace

class TestSettingsBacking : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY((m_root = std::make_unique<QTemporaryDir>())->isValid()); }

    void roundTripsTextExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("CR LF inside") << u"first\r\nsecond\r\n"_s;
        QTest::newRow("commas") << u"a,b, c,"_s;
        QTest::newRow("quotes") << u"\"C:\\Program Files\\x.exe\" -conf=\"a b\""_s;
        QTest::newRow("backslashes") << u"\\\\server\\share\\ \\x41\\0"_s;
        QTest::newRow("equals") << u"rpcuser=me=you"_s;
        QTest::newRow("semicolon") << u";comment-like; value"_s;
        QTest::newRow("hash") << u"#disablewallet=1"_s;
        QTest::newRow("brackets") << u"[General]"_s;
        QTest::newRow("leading and trailing blanks") << u"  padded  "_s;
        QTest::newRow("non-ascii") << u"Ærø Ünïcødé 比特币 ₿"_s;
        QTest::newRow("starts with @") << u"@ByteArray(x)"_s;
        QTest::newRow("looks like a list") << u"a, b"_s;
    }

    // Each save is written through at once: a later run and a second copy of
    // the program read it, and this copy reads what the second one saved last.
    void roundTripsTextExactly()
    {
        QFETCH(QString, text);
        QSettingsBacking mine(m_root->path());
        mine.SaveSetting(kApp, kSection, u"KEY"_s, text);
        QCOMPARE(QSettingsBacking(m_root->path()).GetSetting(kApp, kSection, u"KEY"_s, u"default"_s), text);
        QCOMPARE(peer({ u"read"_s, u"KEY"_s }), text);
        QCOMPARE(peer({ u"save"_s, u"KEY"_s, text + u"!"_s }), QString());
        QCOMPARE(mine.GetSetting(kApp, kSection, u"KEY"_s, u"default"_s), text + u"!"_s);
    }

    void missingReadsDefaultAndWritesNothing()
    {
        QSettingsBacking backing(m_root->path());
        QCOMPARE(backing.GetSetting(kApp, kSection, u"MAIN_Left"_s, u"1000"_s), u"1000"_s);
        QVERIFY(!QFileInfo::exists(iniSectionFilePath(m_root->path(), kApp, kSection)));
        backing.SaveSetting(kApp, kSection, u"OTHER"_s, u"1"_s);
        QCOMPARE(backing.GetSetting(kApp, kSection, u"MAIN_Left"_s, u"1000"_s), u"1000"_s);
    }

    // One owner-only file per section; a folder someone opened up is closed again at the next write.
    void storesOwnerOnlySectionFiles()
    {
        const QString folder = m_root->filePath(u"KD_QUORLIN"_s);
        const QString file = folder + u"/KD-QUORLIN.ini"_s;
        QCOMPARE(iniSectionFilePath(m_root->path(), kApp, kSection), file);
        QSettingsBacking backing(m_root->path());
        backing.SaveSetting(kApp, u"LTC-NODE"_s, u"CRYPTO_NAME_TEXTBOX"_s, u"Litecoin"_s);
        QCOMPARE(backing.GetSetting(kApp, kSection, u"CRYPTO_NAME_TEXTBOX"_s, {}), QString());
        QVERIFY(QFileInfo::exists(folder + u"/LTC-NODE.ini"_s) && !QFileInfo::exists(file));

        const auto other = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(folder, QFileInfo(folder).permissions() | other));
        backing.SaveSetting(kApp, kSection, u"RPC_PASSWORD_TEXTBOX"_s, u"secret"_s);
        const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        QCOMPARE(QFileInfo(folder).permissions() & (owner | other), owner);
        QCOMPARE(QFileInfo(file).permissions() & (owner | other), owner & ~QFileDevice::ExeOwner);
    }

    void concurrentWritersKeepFileParseable()
    {
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(),
            { u"--peer"_s, m_root->path(), u"save-many"_s, u"PEER"_s, u"40"_s });
        QVERIFY(other.waitForStarted());
        QSettingsBacking mine(m_root->path());
        for (int i = 1; i <= 40; ++i)
            mine.SaveSetting(kApp, kSection, u"MINE"_s, QString::number(i));
        QVERIFY(other.waitForFinished(60000) && other.exitCode() == 0);

        QSettings file(iniSectionFilePath(m_root->path(), kApp, kSection), QSettings::IniFormat);
        QCOMPARE(file.status(), QSettings::NoError);
        QStringList keys = file.allKeys();
        keys.sort();
        QCOMPARE(keys, (QStringList { u"MINE"_s, u"PEER"_s }));
        for (const QString& key : keys)
            QVERIFY(file.value(key).toString().toInt() >= 1 && file.value(key).toString().toInt() <= 40);
        QCOMPARE(mine.GetSetting(kApp, kSection, u"PEER"_s, {}), file.value(u"PEER"_s).toString());
    }

    void userConfigRootFollowsXdg()
    {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard(
            [&] { saved.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", saved); });
        qputenv("XDG_CONFIG_HOME", "/srv/cfg");
        QCOMPARE(userConfigRoot(), u"/srv/cfg"_s);
        qputenv("XDG_CONFIG_HOME", "");
        QCOMPARE(userConfigRoot(), QDir::homePath() + u"/.config"_s);
    }

    // On Windows each section is a registry key of the current user, the one the
    // Visual Basic runtime's settings functions use, so earlier settings are found.
    void registryKeyOfSection()
    {
        QCOMPARE(registrySectionKey(kApp, u"KD-QUORLIN-nœud"_s),
            u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\KD_QUORLIN\\KD-QUORLIN-nœud"_s);
    }

private:
    QString peer(const QStringList& args)
    {
        QProcess process;
        process.start(
            QCoreApplication::applicationFilePath(), QStringList { u"--peer"_s, m_root->path() } + args);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return u"<peer failed>"_s;
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    std::unique_ptr<QTemporaryDir> m_root;
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (QCoreApplication::arguments().value(1) == u"--peer"_s)
        return runPeer(QCoreApplication::arguments());
    TestSettingsBacking test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings_backing.moc"
