// The settings store of the Windows build against the registry itself: what the program saves, Windows' own
// reg.exe finds under the key and value names the program has always used, and what reg.exe adds, the program
// reads. A copy of the program under another file name keeps a section of its own.
#include "platform/system_platform.h"
#include "settings/settings_store.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kStoreKey = u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\KD_QUORLIN\\"_s;
// This test program's section, and that of a copy of the program named "KD-QUORLIN copy.exe".
const QString kOwnSection = u"registry_store"_s;
const QString kCopySection = u"KD-QUORLIN copy"_s;
// Texts as stored: a command line with blanks, backslashes, quotes and a blank at the end, and a text that
// looks like one of QSettings' own markings.
const QString kCommand
    = u"\"C:\\My Nodes\\quorlind.exe\" -conf=\"C:\\My Nodes\\a.conf\" -datadir=\"\\\\nas\\x\" "_s;
const QString kAtText = u"@Invalid()"_s;
// Fields of the conf generator, under the keys it stores them with.
const TickKey kServer { "SERVER_TICKBOX"_L1, 0 };
const TickKey kListen { "LISTEN_TICKBOX"_L1, 0 };
const TickKey kWallet { "WALLET_TICKBOX"_L1, 0 };
const TextKey kRpcPassword { "RPC_PASSWORD_TEXTBOX"_L1 };
// Node settings, under the keys they store them with.
const TickKey kAlwaysOnTop { "AlwaysOnTop_TICKBOX"_L1, 1 };
const TextKey kDaemonCommand { "KD_D_COMMAND_TEXTBOX"_L1 };
const TextKey kCryptoName { "CRYPTO_NAME_TEXTBOX"_L1 };
const TextKey kDaemonName { "DAEMON_NAME_TEXTBOX"_L1 };

// Runs Windows' reg.exe with these arguments, no shell between; its output.
QString reg(const QStringList& arguments)
{
    QProcess reg;
    reg.start(u"reg.exe"_s, arguments);
    reg.waitForFinished(60000);
    return QString::fromLocal8Bit(reg.readAllStandardOutput());
}

void regAdd(const QString& section, const QString& name, const QString& data)
{
    reg({ u"add"_s, kStoreKey + section, u"/v"_s, name, u"/d"_s, data, u"/f"_s });
}

// What reg.exe lists in a section, one "    NAME    TYPE    DATA" line per value, sorted.
QStringList regValues(const QString& section)
{
    QStringList values = reg({ u"query"_s, kStoreKey + section }).split(u"\r\n"_s).filter(u"    "_s);
    values.sort(Qt::CaseInsensitive);
    return values;
}

// The program's own store as the Windows build opens it, for this program's section and for the copy's, whose
// section comes from its file name.
struct Stores {
    SystemPlatform system;
    Platform platform = system.platform();
    SettingsStore own { platform.settings, platform.executable };
    ExecutableIdentity copyIdentity = executableIdentityFromPath(
        u"C:\\Nodes\\KD-QUORLIN copy.exe"_s, kPathSeparator, kExecutablesHaveExtension);
    SettingsStore copy { platform.settings, copyIdentity };
};

} // namespace

class TestRegistryStore : public QObject {
    Q_OBJECT

private slots:
    // Each test starts without the two sections and leaves none behind.
    void init() { cleanup(); }
    void cleanup()
    {
        for (const QString& section : { kOwnSection, kCopySection })
            reg({ u"delete"_s, kStoreKey + section, u"/f"_s });
    }

    // A position in twips, tick boxes and texts are REG_SZ values holding exactly what was saved.
    void savedValuesAreReadByReg()
    {
        Stores s;
        s.own.writeGeometry(u"MAIN_Left"_s, 4500);
        s.own.write(kServer, 1);
        s.own.write(kListen, 0);
        s.own.write(kDaemonCommand, kCommand);
        s.own.write(kRpcPassword, kAtText);
        QCOMPARE(regValues(kOwnSection),
            QStringList({ u"    KD_D_COMMAND_TEXTBOX    REG_SZ    "_s + kCommand,
                u"    LISTEN_TICKBOX    REG_SZ    0"_s, u"    MAIN_Left    REG_SZ    4500"_s,
                u"    RPC_PASSWORD_TEXTBOX    REG_SZ    "_s + kAtText,
                u"    SERVER_TICKBOX    REG_SZ    1"_s }));
    }

    // Values another program put there are read as they are; reading stores nothing.
    void valuesAddedByRegAreRead()
    {
        regAdd(kOwnSection, u"MAIN_Top"_s, u"3000"_s);
        regAdd(kOwnSection, u"AlwaysOnTop_TICKBOX"_s, u"0"_s);
        regAdd(kOwnSection, u"WALLET_TICKBOX"_s, u"1"_s);
        regAdd(kOwnSection, u"KD_D_COMMAND_TEXTBOX"_s, kCommand);
        regAdd(kOwnSection, u"RPC_PASSWORD_TEXTBOX"_s, kAtText);
        Stores s;
        QCOMPARE(s.own.readGeometry(u"MAIN_Top"_s, 0), 3000.0f);
        QCOMPARE(s.own.read(kAlwaysOnTop), 0);
        QCOMPARE(s.own.read(kWallet), 1);
        QCOMPARE(s.own.read(kDaemonCommand), kCommand);
        QCOMPARE(s.own.read(kRpcPassword), kAtText);
        QCOMPARE(s.own.read(kServer), 0);
        QCOMPARE(regValues(kOwnSection).size(), 5);
    }

    // The copy reads and writes its own section, never this program's.
    void copyUnderAnotherNameHasItsOwnSection()
    {
        regAdd(kCopySection, u"CRYPTO_NAME_TEXTBOX"_s, u"Dash"_s);
        Stores s;
        s.own.write(kCryptoName, u"Litecoin"_s);
        s.copy.write(kDaemonName, u"dashd.exe"_s);
        QCOMPARE(s.copy.read(kCryptoName), u"Dash"_s);
        QCOMPARE(s.own.read(kCryptoName), u"Litecoin"_s);
        QCOMPARE(regValues(kCopySection),
            QStringList({ u"    CRYPTO_NAME_TEXTBOX    REG_SZ    Dash"_s,
                u"    DAEMON_NAME_TEXTBOX    REG_SZ    dashd.exe"_s }));
        QCOMPARE(regValues(kOwnSection), QStringList({ u"    CRYPTO_NAME_TEXTBOX    REG_SZ    Litecoin"_s }));
    }
};

QTEST_MAIN(TestRegistryStore)
#include "test_registry_store.moc"
