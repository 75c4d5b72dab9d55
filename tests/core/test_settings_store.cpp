#include "core/settings_store.h"
#include "platform/qsettings_backing.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const ExecutableIdentity kExecutable { QStringLiteral("KD-QUORLIN"), QStringLiteral("/opt/nodes") };

// Stores `stored` under `key` as a hand edit would (a null text stores nothing).
void seed(SettingsBacking& backing, const QString& key, const QString& stored)
{
    if (!stored.isNull())
        backing.SaveSetting(kApplicationName, kExecutable.name, key, stored);
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsTickState_data();
    void readsTickState();
    void readsGeometry_data();
    void readsGeometry();
    void writesDecimalText_data();
    void writesDecimalText();
    void keepsTextAsStored();
    void copiedExecutableStartsFresh();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QSettingsBacking> m_backing;
};

void TestSettingsStore::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_backing = std::make_unique<QSettingsBacking>(m_root->path());
}

void TestSettingsStore::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestSettingsStore::readsTickState_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("defaultState");
    QTest::addColumn<int>("expected");

    QTest::newRow("ticked") << QStringLiteral("1") << 0 << 1;
    QTest::newRow("unticked") << QStringLiteral("0") << 1 << 0;
    QTest::newRow("missing gives default 1") << QString() << 1 << 1;
    QTest::newRow("missing gives default 0") << QString() << 0 << 0;
    QTest::newRow("blanks around") << QStringLiteral(" 1 ") << 0 << 1;
    QTest::newRow("16-bit bounds") << QStringLiteral("-32768") << 0 << -32768;
    QTest::newRow("empty text") << QStringLiteral("") << 1 << 1;
    QTest::newRow("letters") << QStringLiteral("yes") << 1 << 1;
    QTest::newRow("fraction") << QStringLiteral("0.5") << 1 << 1;
    QTest::newRow("beyond 16 bits") << QStringLiteral("65537") << 0 << 0;
}

void TestSettingsStore::readsTickState()
{
    QFETCH(QString, stored);
    QFETCH(int, defaultState);
    QFETCH(int, expected);

    seed(*m_backing, QStringLiteral("AlwaysOnTop_TICKBOX"), stored);
    SettingsStore store(*m_backing, kExecutable);
    QCOMPARE(store.readTick(QStringLiteral("AlwaysOnTop_TICKBOX"), defaultState), expected);
}

void TestSettingsStore::readsGeometry_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<float>("expected");

    QTest::newRow("whole") << QStringLiteral("C") << QStringLiteral("1000") << 1000.0f;
    QTest::newRow("negative") << QStringLiteral("C") << QStringLiteral("-1500") << -1500.0f;
    QTest::newRow("fraction") << QStringLiteral("C") << QStringLiteral("1000.5") << 1000.5f;
    QTest::newRow("missing") << QStringLiteral("C") << QString() << 3960.0f;
    QTest::newRow("empty text") << QStringLiteral("C") << QStringLiteral("") << 3960.0f;
    QTest::newRow("letters") << QStringLiteral("C") << QStringLiteral("left") << 3960.0f;
    QTest::newRow("infinity") << QStringLiteral("C") << QStringLiteral("inf") << 3960.0f;
    QTest::newRow("not a number") << QStringLiteral("C") << QStringLiteral("nan") << 3960.0f;
    QTest::newRow("beyond single precision") << QStringLiteral("C") << QStringLiteral("1e40") << 3960.0f;
    QTest::newRow("number then letters") << QStringLiteral("C") << QStringLiteral("12px") << 3960.0f;
    QTest::newRow("german comma") << QStringLiteral("de_DE") << QStringLiteral("1000,5") << 1000.5f;
    QTest::newRow("german reads a point written elsewhere")
        << QStringLiteral("de_DE") << QStringLiteral("1000.5") << 1000.5f;
    QTest::newRow("german missing") << QStringLiteral("de_DE") << QString() << 3960.0f;
}

void TestSettingsStore::readsGeometry()
{
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(float, expected);

    QLocale::setDefault(QLocale(locale));
    seed(*m_backing, QStringLiteral("MAIN_Width"), stored);
    SettingsStore store(*m_backing, kExecutable);
    QCOMPARE(store.readGeometry(QStringLiteral("MAIN_Width"), 3960), expected);
}

void TestSettingsStore::writesDecimalText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole, no point") << QStringLiteral("C") << 1005.0f << QStringLiteral("1005");
    QTest::newRow("negative") << QStringLiteral("C") << -30.0f << QStringLiteral("-30");
    QTest::newRow("fraction") << QStringLiteral("C") << 1000.5f << QStringLiteral("1000.5");
    QTest::newRow("far position, no exponent")
        << QStringLiteral("C") << 491505.0f << QStringLiteral("491505");
    QTest::newRow("german comma") << QStringLiteral("de_DE") << 1000.5f << QStringLiteral("1000,5");
    QTest::newRow("german, no group separator")
        << QStringLiteral("de_DE") << 15000.0f << QStringLiteral("15000");
}

void TestSettingsStore::writesDecimalText()
{
    QFETCH(QString, locale);
    QFETCH(float, twips);
    QFETCH(QString, text);

    QLocale::setDefault(QLocale(locale));
    SettingsStore store(*m_backing, kExecutable);
    store.writeGeometry(QStringLiteral("MAIN_Left"), twips);
    QCOMPARE(
        m_backing->GetSetting(kApplicationName, kExecutable.name, QStringLiteral("MAIN_Left"), {}), text);
    QCOMPARE(store.readGeometry(QStringLiteral("MAIN_Left"), 1000), twips);

    store.writeTick(QStringLiteral("AlwaysOnTop_TICKBOX"), 0);
    QCOMPARE(
        m_backing->GetSetting(kApplicationName, kExecutable.name, QStringLiteral("AlwaysOnTop_TICKBOX"), {}),
        QStringLiteral("0"));
}

void TestSettingsStore::keepsTextAsStored()
{
    SettingsStore store(*m_backing, kExecutable);
    QCOMPARE(store.readText(QStringLiteral("CRYPTO_NAME_TEXTBOX")), QString());

    const QString line = QStringLiteral(R"("/opt/ltc/litecoin-cli" -conf="/a b/c.conf"  stop)");
    store.writeText(QStringLiteral("KDCLI_STOP_COMMAND_TEXTBOX"), line);
    QCOMPARE(store.readText(QStringLiteral("KDCLI_STOP_COMMAND_TEXTBOX")), line);

    // Stored empty is not missing: the tick box default does not come back.
    store.writeText(QStringLiteral("AlwaysOnTop_TICKBOX"), QString());
    QCOMPARE(store.readText(QStringLiteral("AlwaysOnTop_TICKBOX")), QString());
}

void TestSettingsStore::copiedExecutableStartsFresh()
{
    SettingsStore original(*m_backing, kExecutable);
    original.writeTick(QStringLiteral("AlwaysOnTop_TICKBOX"), 0);
    original.writeText(QStringLiteral("CRYPTO_NAME_TEXTBOX"), QStringLiteral("Litecoin"));

    const ExecutableIdentity copy { QStringLiteral("KD-QUORLIN-LTC"), kExecutable.folder };
    SettingsStore copied(*m_backing, copy);
    QCOMPARE(copied.readTick(QStringLiteral("AlwaysOnTop_TICKBOX"), 1), 1);
    QCOMPARE(copied.readText(QStringLiteral("CRYPTO_NAME_TEXTBOX")), QString());
    QCOMPARE(original.readText(QStringLiteral("CRYPTO_NAME_TEXTBOX")), QStringLiteral("Litecoin"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
