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
        QTest::newRow("comment marks") << u";comment-like; rpcuser=me=[you]"_s;
        QTest::newRow("leading and trailing blanks") << u"  padded  "_s;
        QTest::newRow("non-ascii") << u"Ærø Ünïcødé 比特币 ₿"_s;
        QTest::newRow("starts with @") << u"@ByteArray(x)"_s;
    }

    // Each save is written through at once: a second copy of the program reads it.
    void roundTripsTextExactly()
    {
        QFETCH(QString, text);
        QSettingsBacking mine(m_root->path());
        mine.SaveSetting(kApp, kSection, u"KEY"_s, text);
        QProcess peer;
        peer.start(QCoreApplication::applicationFilePath(), { u"--peer"_s, m_root->path(), u"KEY"_s });
        QVERIFY(peer.waitForFinished(60000) && peer.exitCode() == 0);
        QCOMPARE(QString::fromUtf8(peer.readAllStandardOutput()), text);
    }

    // On Windows a section is the registry key the Visual Basic runtime's
    // settings functions use, so configurations of earlier releases carry over.
    void windowsSectionIsTheRuntimesRegistryKey()
    {
        QCOMPARE(registrySectionKey(kApp, u"KD-QUORLIN-LTC"_s),
            u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\KD_QUORLIN\\KD-QUORLIN-LTC"_s);
    }

    // A save that cannot be written is told once, not at every key, and again
    // only after a save has worked in between.
    void failedSaveIsReportedOnce()
    {
        const QString root = m_root->filePath(u"config"_s);
        QFile blocker(root);
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        QStringList reports;
        QSettingsBacking backing(root, [&](const QString& message) { reports.append(message); });
        backing.SaveSetting(kApp, kSection, u"MAIN_Left"_s, u"1000"_s);
        backing.SaveSetting(kApp, kSection, u"MAIN_Top"_s, u"1000"_s);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().contains(root + u"/KD_QUORLIN/KD-QUORLIN.ini"_s));

        QVERIFY(QFile::remove(root) && QDir().mkpath(root));
        backing.SaveSetting(kApp, kSection, u"MAIN_Left"_s, u"2000"_s);
        QCOMPARE(reports.size(), 1);
        QCOMPARE(QSettingsBacking(root).GetSetting(kApp, kSection, u"MAIN_Left"_s, {}), u"2000"_s);
    }

    // One owner-only file per section, none for a section only read; a folder
    // someone opened up is closed again at the next write.
    void storesOwnerOnlySectionFiles()
    {
        const QString folder = m_root->filePath(u"KD_QUORLIN"_s);
        const QString file = folder + u"/KD-QUORLIN.ini"_s;
        QSettingsBacking backing(m_root->path());
        backing.SaveSetting(kApp, u"LTC-NODE"_s, u"CRYPTO_NAME_TEXTBOX"_s, u"Litecoin"_s);
        QCOMPARE(backing.GetSetting(kApp, kSection, u"CRYPTO_NAME_TEXTBOX"_s, u"1000"_s), u"1000"_s);
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
            { u"--peer"_s, m_root->path(), u"PEER"_s, u"peer"_s, u"40"_s });
        QVERIFY(other.waitForStarted());
        QSettingsBacking backing(m_root->path());
        for (int i = 1; i <= 40; ++i)
            backing.SaveSetting(kApp, kSection, u"MINE"_s, QString::number(i));
        QVERIFY(other.waitForFinished(60000) && other.exitCode() == 0);

        QSettings file(iniSectionFilePath(m_root->path(), kApp, kSection), QSettings::IniFormat);
        QCOMPARE(file.status(), QSettings::NoError);
        QCOMPARE(file.allKeys().size(), 2);
        const int mine = file.value(u"MINE"_s).toInt();
        QVERIFY2(mine >= 1 && mine <= 40, qPrintable(file.value(u"MINE"_s).toString()));
        QCOMPARE(backing.GetSetting(kApp, kSection, u"PEER"_s, {}), u"peer"_s);
    }

private:
    std::unique_ptr<QTemporaryDir> m_root;
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) != u"--peer"_s) {
        TestSettingsBacking test;
        QTEST_SET_MAIN_SOURCE_PATH
        return QTest::qExec(&test, argc, argv);
    }
    // This executable doubles as a second copy of the program on the same store:
    // "--peer <root> <key> [<value> <times>]" prints the key's value, then saves
    // <value> that many times.
    QSettingsBacking backing(args.value(2));
    QTextStream(stdout) << backing.GetSetting(kApp, kSection, args.value(3), u"<default>"_s);
    for (int i = 0; i < args.value(5).toInt(); ++i)
        backing.SaveSetting(kApp, kSection, args.value(3), args.value(4));
    return 0;
}

#include "test_settings_backing.moc"
