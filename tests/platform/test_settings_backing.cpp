#include "fakes/isolated_child.h"
#include "platform/qsettings_backing.h"
#include "platform/settings_location.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int modeOf(const QString& path)
{
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

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

    // One owner-only file in an owner-only folder per section, none for a
    // section only read; modes the user set are left as they are.
    void storesOwnerOnlySectionFiles()
    {
        const QString folder = m_root->filePath(u"KD_QUORLIN"_s);
        const QString file = folder + u"/KD-QUORLIN.ini"_s;
        QSettingsBacking backing(m_root->path());
        backing.SaveSetting(kApp, kSection, u"RPC_PASSWORD_TEXTBOX"_s, u"secret"_s);
        QCOMPARE(backing.GetSetting(kApp, u"LTC-NODE"_s, u"CRYPTO_NAME_TEXTBOX"_s, u"1000"_s), u"1000"_s);
        QVERIFY(!QFileInfo::exists(folder + u"/LTC-NODE.ini"_s));
        QCOMPARE(modeOf(folder), 0700);
        QCOMPARE(modeOf(file), 0600);

        QVERIFY(::chmod(QFile::encodeName(folder), 0755) == 0 && ::chmod(QFile::encodeName(file), 0640) == 0);
        backing.SaveSetting(kApp, kSection, u"RPC_USER_TEXTBOX"_s, u"me"_s);
        QCOMPARE(modeOf(folder), 0755);
        QCOMPARE(modeOf(file), 0640);
    }

    // A save is reported failed exactly when its value did not reach the disk:
    // once, until a save works again; a malformed line read earlier is no failure.
    void saveReportsExactlyWhenTheValueMissedTheDisk()
    {
        const QString root = m_root->filePath(u"config"_s);
        const QString folder = root + u"/KD_QUORLIN"_s;
        QVERIFY(writeFile(root, "a file where the folder should be"));
        QStringList reports;
        QSettingsBacking backing(root, [&](const QString& message) { reports.append(message); });
        backing.SaveSetting(kApp, kSection, u"MAIN_Left"_s, u"1000"_s);
        backing.SaveSetting(kApp, kSection, u"MAIN_Top"_s, u"1000"_s);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().contains(folder + u"/KD-QUORLIN.ini"_s)
            && reports.first().contains(u"kept only until the program ends"_s));

        QVERIFY(QFile::remove(root) && QDir().mkpath(root));
        backing.SaveSetting(kApp, kSection, u"MAIN_Left"_s, u"2000"_s);
        QCOMPARE(QSettingsBacking(root).GetSetting(kApp, kSection, u"MAIN_Left"_s, {}), u"2000"_s);

        QVERIFY(QDir(folder).removeRecursively() && writeFile(folder, "in the way again"));
        backing.SaveSetting(kApp, kSection, u"RPC_USER_TEXTBOX"_s, u"new user"_s);
        QCOMPARE(reports.size(), 2);

        QVERIFY(QFile::remove(folder) && QDir().mkpath(folder));
        QVERIFY(writeFile(folder + u"/KD-QUORLIN.ini"_s, "[General\nMAIN_Left=3000\n"));
        QSettingsBacking malformed(root, [&](const QString& message) { reports.append(message); });
        malformed.SaveSetting(kApp, kSection, u"RPC_USER_TEXTBOX"_s, u"new user"_s);
        QCOMPARE(reports.size(), 2);
        QCOMPARE(QSettingsBacking(root).GetSetting(kApp, kSection, u"RPC_USER_TEXTBOX"_s, {}), u"new user"_s);
    }

    // On a full disk the stored file stays whole and the save is reported.
    void fullDiskKeepsTheStore()
    {
        QUORLIN_RUN_ISOLATED(Isolation::OwnMounts);
        const QString root = m_root->path();
        QVERIFY2(
            ::mount("quorlin", QFile::encodeName(root), "tmpfs", 0, "size=16k") == 0, std::strerror(errno));
        const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(root), MNT_DETACH); });
        const QString file = iniSectionFilePath(root, kApp, kSection);
        const QByteArray stored = "[General]\nRPC_USER_TEXTBOX=old user\n";
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && writeFile(file, stored));
        QFile filler(root + u"/filler"_s);
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(512, 'f')) == 512) { }

        QStringList reports;
        QSettingsBacking backing(root, [&](const QString& message) { reports.append(message); });
        backing.SaveSetting(kApp, kSection, u"RPC_USER_TEXTBOX"_s, u"new user"_s);
        QCOMPARE(reports.size(), 1);
        QCOMPARE(readFile(file), stored);
    }

    void unreadableStoreIsNeverWritten_data()
    {
        QTest::addColumn<QString>("blocked"); // "file" or "folder", whose mode is set
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("reason"); // empty: the store reads, only writes fail
        QTest::newRow("file at 000") << u"file"_s << 0 << u"Permission denied"_s;
        QTest::newRow("folder at 000") << u"folder"_s << 0 << u"Permission denied"_s;
        QTest::newRow("folder at 500") << u"folder"_s << 0500 << QString();
        QTest::newRow("a folder in the file's place") << QString() << 0 << u"Is a directory"_s;
    }

    // Told once at start; the program runs on the defaults, keeps what is
    // saved for this run only, and leaves every byte and mode as it was.
    void unreadableStoreIsNeverWritten()
    {
        QUORLIN_RUN_ISOLATED(Isolation::NormalUser);
        QFETCH(QString, blocked);
        QFETCH(int, mode);
        QFETCH(QString, reason);
        const QString folder = m_root->filePath(u"KD_QUORLIN"_s);
        const QString file = folder + u"/KD-QUORLIN.ini"_s;
        const QByteArray stored = "[General]\nAlwaysOnTop_TICKBOX=0\nRPC_USER_TEXTBOX=me\n";
        QVERIFY(QDir().mkpath(blocked.isEmpty() ? file : folder));
        QVERIFY(blocked.isEmpty() || writeFile(file, stored));
        const QString target = blocked == u"folder"_s ? folder : file;
        QVERIFY(blocked.isEmpty() || ::chmod(QFile::encodeName(target), mode) == 0);
        const auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(target), 0700); });
        const int modeBefore = modeOf(target);

        QStringList reports;
        {
            QSettingsBacking backing(
                m_root->path(), [&](const QString& message) { reports.append(message); });
            const QString tick = backing.GetSetting(kApp, kSection, u"AlwaysOnTop_TICKBOX"_s, u"1"_s);
            QCOMPARE(tick, reason.isEmpty() ? u"0"_s : u"1"_s);
            QCOMPARE(reports.size(), reason.isEmpty() ? 0 : 1);
            QVERIFY(reason.isEmpty() || (reports.first().contains(file) && reports.first().contains(reason)));
            backing.SaveSetting(kApp, kSection, u"AlwaysOnTop_TICKBOX"_s, u"1"_s);
            backing.SaveSetting(kApp, kSection, u"MAIN_Left"_s, u"2000"_s);
            QCOMPARE(backing.GetSetting(kApp, kSection, u"MAIN_Left"_s, {}), u"2000"_s);
            QCOMPARE(reports.size(), reason.isEmpty() ? 1 : 2);
            QVERIFY(reports.last().contains(u"kept only until the program ends"_s));
        }
        QCOMPARE(modeOf(target), modeBefore);
        ::chmod(QFile::encodeName(target), 0700);
        QCOMPARE(readFile(file), blocked.isEmpty() ? QByteArray() : stored);
    }

    // Bytes that are not UTF-8 stay as stored, also when a value is saved as
    // it was read, until the program changes that value.
    void keepsBytesItNeverWrote()
    {
        const QString file = iniSectionFilePath(m_root->path(), kApp, kSection);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(writeFile(file, "[General]\nA=caf\xe9\nB=\xff\nC=1\n"));
        QSettingsBacking backing(m_root->path());
        backing.SaveSetting(kApp, kSection, u"C"_s, u"2"_s);
        backing.SaveSetting(kApp, kSection, u"A"_s, backing.GetSetting(kApp, kSection, u"A"_s, {}));
        QCOMPARE(readFile(file), "[General]\nA=caf\xe9\nB=\xff\nC=2\n");
        backing.SaveSetting(kApp, kSection, u"B"_s, u"new"_s);
        QCOMPARE(readFile(file), "[General]\nA=caf\xe9\nB=new\nC=2\n");
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
