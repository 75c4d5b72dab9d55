#include "fakes/file_bytes.h"
#include "fakes/isolated_child.h"
#include "platform/qsettings_backing.h"
#include "platform/settings_location.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString kApp = u"KD_QUORLIN"_s;
const QString kSection = u"KD-QUORLIN"_s;
const QString kSaveFailed
    = u"The settings could not be saved to %1. Changes made now are kept only until the program ends."_s;

// The store's section kSection below a root, keeping what it reports.
struct Store {
    explicit Store(const QString& root)
        : backing(root, [this](const QString& message) { reports.append(message); })
    {
    }
    void save(const QString& key, const QString& value) { backing.SaveSetting(kApp, kSection, key, value); }
    QString get(const QString& key, const QString& fallback = {})
    {
        return backing.GetSetting(kApp, kSection, key, fallback);
    }
    QStringList reports;
    QSettingsBacking backing;
};

int modeOf(const QString& path)
{
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

bool setMode(const QString& path, int mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace

class TestSettingsBacking : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_folder; // the application's folder in m_root
    QString m_file; // kSection's file there

private slots:
    void init()
    {
        QVERIFY((m_root = std::make_unique<QTemporaryDir>())->isValid());
        m_folder = m_root->filePath(kApp);
        m_file = iniSectionFilePath(m_root->path(), kApp, kSection);
    }

    // A save is reported failed exactly when its value did not reach the disk: once, until a save works
    // again; a malformed line read earlier is no failure.
    void saveReportsExactlyWhenTheValueMissedTheDisk()
    {
        const QString root = m_root->filePath(u"config"_s);
        const QString folder = root + u"/KD_QUORLIN"_s;
        QVERIFY(writeFile(root, "a file where the folder should be"));
        Store store(root);
        store.save(u"MAIN_Left"_s, u"1000"_s);
        store.save(u"MAIN_Top"_s, u"1000"_s);
        QCOMPARE(store.reports, QStringList { kSaveFailed.arg(folder + u"/KD-QUORLIN.ini"_s) });
        QVERIFY(QFile::remove(root) && QDir().mkpath(root));
        store.save(u"MAIN_Left"_s, u"2000"_s);
        QCOMPARE(Store(root).get(u"MAIN_Left"_s), u"2000"_s);
        QVERIFY(QDir(folder).removeRecursively() && writeFile(folder, "in the way again"));
        store.save(u"RPC_USER_TEXTBOX"_s, u"new user"_s);
        QCOMPARE(store.reports.size(), 2);
        QVERIFY(
            QFile::remove(folder) && writeFile(folder + u"/KD-QUORLIN.ini"_s, "[General\nMAIN_Left=3000\n"));
        Store malformed(root);
        malformed.save(u"RPC_USER_TEXTBOX"_s, u"new user"_s);
        QVERIFY(malformed.reports.isEmpty());
        QCOMPARE(Store(root).get(u"RPC_USER_TEXTBOX"_s), u"new user"_s);
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
        QTest::newRow("full disk") << u"full disk"_s << 0600 << QString();
    }

    // An unreadable store is told once at start; the program runs on the defaults. Saves that fail are told
    // once and kept for this run only; every stored byte and mode stays as it was.
    void unreadableStoreIsNeverWritten()
    {
        QFETCH(QString, blocked);
        QFETCH(int, mode);
        QFETCH(QString, reason);
        const bool fullDisk = blocked == u"full disk"_s;
        QUORLIN_RUN_ISOLATED(fullDisk ? Isolation::OwnMounts : Isolation::NormalUser);
        const QByteArray root = QFile::encodeName(m_root->path());
        QVERIFY2(!fullDisk || ::mount("quorlin", root, "tmpfs", 0, "size=16k") == 0, std::strerror(errno));
        const auto unmount = qScopeGuard([&] { ::umount2(root, MNT_DETACH); });
        const QByteArray stored = "[General]\nAlwaysOnTop_TICKBOX=0\nRPC_USER_TEXTBOX=me\n";
        QVERIFY(blocked.isEmpty() ? QDir().mkpath(m_file) : writeFile(m_file, stored));
        QFile filler(m_root->filePath(u"filler"_s));
        QVERIFY(!fullDisk || filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (fullDisk && filler.write(QByteArray(512, 'f')) == 512) { }
        const QString target = blocked == u"folder"_s ? m_folder : m_file;
        QVERIFY(blocked.isEmpty() || setMode(target, mode));
        const auto restore = qScopeGuard([&] { setMode(target, 0700); });
        const int modeBefore = modeOf(target);
        {
            Store store(m_root->path());
            QCOMPARE(store.get(u"AlwaysOnTop_TICKBOX"_s, u"1"_s), reason.isEmpty() ? u"0"_s : u"1"_s);
            store.save(u"AlwaysOnTop_TICKBOX"_s, u"1"_s);
            store.save(u"MAIN_Left"_s, u"2000"_s);
            QCOMPARE(store.get(u"MAIN_Left"_s), u"2000"_s);
            const QString unreadable
                = u"The settings in %1 cannot be read: %2\n\nThe program runs on its "
                  u"default settings and leaves that file as it is."_s.arg(m_file, reason);
            QCOMPARE(store.reports,
                (reason.isEmpty() ? QStringList() : QStringList { unreadable }) << kSaveFailed.arg(m_file));
        }
        QCOMPARE(modeOf(target), modeBefore);
        setMode(target, 0700);
        QCOMPARE(fileBytes(m_file), blocked.isEmpty() ? QByteArray() : stored);
    }

    // A store found unreadable stays left alone for the whole run, also once the user has given its file back
    // its permissions: a save then must not put the defaults the program ran on over the user's values.
    void storeMendedWhileRunningKeepsItsValues()
    {
        QUORLIN_RUN_ISOLATED(Isolation::NormalUser);
        const QByteArray stored = "[General]\nAlwaysOnTop_TICKBOX=0\nRPC_USER_TEXTBOX=me\n";
        QVERIFY(writeFile(m_file, stored) && setMode(m_file, 0));
        Store store(m_root->path());
        QCOMPARE(store.get(u"RPC_USER_TEXTBOX"_s), QString());
        QVERIFY(setMode(m_file, 0600));
        store.save(u"MAIN_Left"_s, u"2000"_s);
        QCOMPARE(store.get(u"MAIN_Left"_s), u"2000"_s);
        QCOMPARE(fileBytes(m_file), stored);
    }

    // Non-UTF-8 bytes stay as stored, also when a value read is saved back, until the program changes it.
    void keepsBytesItNeverWrote()
    {
        QVERIFY(writeFile(m_file, "[General]\nA=caf\xe9\nB=\xff\nC=1\n"));
        Store store(m_root->path());
        store.save(u"C"_s, u"2"_s);
        store.save(u"A"_s, store.get(u"A"_s));
        QCOMPARE(fileBytes(m_file), "[General]\nA=caf\xe9\nB=\xff\nC=2\n");
        store.save(u"B"_s, u"new"_s);
        QCOMPARE(fileBytes(m_file), "[General]\nA=caf\xe9\nB=new\nC=2\n");
    }

    // A batch of saves writes the file once, when the outermost batch ends, with the bytes the saves one by
    // one would write; reads within it give its own values.
    void batchWritesTheFileOnce()
    {
        const QByteArray stored = "[General]\nA=caf\xe9\nB=1\n";
        QVERIFY(writeFile(m_file, stored));
        Store store(m_root->path());
        store.backing.beginBatch();
        store.save(u"B"_s, u"2"_s);
        store.backing.beginBatch();
        store.save(u"A"_s, store.get(u"A"_s));
        store.save(u"C"_s, u"3"_s);
        store.backing.endBatch();
        QCOMPARE(store.get(u"B"_s), u"2"_s);
        QCOMPARE(fileBytes(m_file), stored);
        store.backing.endBatch();
        QCOMPARE(fileBytes(m_file), "[General]\nA=caf\xe9\nB=2\nC=3\n");
        QVERIFY(store.reports.isEmpty());
    }

    // Each save goes at once to an owner-only file (none for a section only read; modes the user set stay),
    // where a second copy saving at the same time reads it exactly; the file keeps the keys of both. On
    // Windows a section is the Visual Basic runtime's registry key, as earlier releases used.
    void secondCopyReadsEverySave()
    {
        QCOMPARE(registrySectionKey(kApp, u"KD-QUORLIN-LTC"_s),
            u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\KD_QUORLIN\\KD-QUORLIN-LTC"_s);
        const QStringList texts { {}, u"first\r\nsecond\r\n"_s, u"a,b, c,"_s,
            u"\"C:\\Program Files\\x.exe\" -conf=\"a b\""_s, u";comment-like; rpcuser=me=[you]"_s,
            u"  padded  "_s, u"Ærø Ünïcødé 比特币 ₿"_s, u"@ByteArray(x)"_s };
        Store store(m_root->path());
        QCOMPARE(
            store.backing.GetSetting(kApp, u"LTC-NODE"_s, u"CRYPTO_NAME_TEXTBOX"_s, u"1000"_s), u"1000"_s);
        QStringList arguments { u"--peer"_s, m_root->path(), u"40"_s };
        for (qsizetype i = 0; i < texts.size(); ++i)
            arguments += u"KEY%1"_s.arg(i);
        // The peer has read its section before these saves: it must read them anew.
        QProcess peer;
        peer.start(QCoreApplication::applicationFilePath(), arguments);
        QVERIFY(peer.waitForReadyRead(60000) && peer.readLine() == "open\n");
        for (qsizetype i = 0; i < texts.size(); ++i)
            store.save(arguments[3 + i], texts[i]);
        QCOMPARE(std::pair(modeOf(m_folder), modeOf(m_file)), std::pair(0700, 0600));
        QVERIFY(setMode(m_folder, 0755) && setMode(m_file, 0640));
        peer.write("go\n");
        for (int i = 1; i <= 40; ++i)
            store.save(u"MINE"_s, QString::number(i));
        QVERIFY(peer.waitForFinished(60000) && peer.exitCode() == 0);
        QCOMPARE(QString::fromUtf8(peer.readAllStandardOutput()).split(u'\0'), texts);
        QSettings file(m_file, QSettings::IniFormat);
        QCOMPARE(std::tuple(file.status(), file.allKeys().size(), modeOf(m_folder), modeOf(m_file),
                     QFileInfo::exists(m_folder + u"/LTC-NODE.ini"_s)),
            std::tuple(QSettings::NoError, texts.size() + 2, 0755, 0640, false));
        QVERIFY2(file.value(u"MINE"_s).toInt() >= 1, qPrintable(file.value(u"MINE"_s).toString()));
        QCOMPARE(store.get(u"PEER"_s), u"peer"_s);
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) != u"--peer"_s) {
        TestSettingsBacking test;
        return QTest::qExec(&test, argc, argv);
    }
    // This executable doubles as a second copy of the program on the same store: "--peer <root> <times>
    // <key>..." prints the keys' values apart by NULs, then saves PEER=peer that many times. It reads its
    // section first and says "open", then waits for a line before it reads the keys.
    Store store(args.value(2));
    store.get(u"PEER"_s);
    QTextStream(stdout) << "open\n" << Qt::flush;
    QTextStream(stdin).readLine();
    QStringList values;
    for (const QString& key : args.mid(4))
        values.append(store.get(key, u"<default>"_s));
    QTextStream(stdout) << values.join(u'\0');
    for (int i = 0; i < args.value(3).toInt(); ++i)
        store.save(u"PEER"_s, u"peer"_s);
    return 0;
}

#include "test_settings_backing.moc"
