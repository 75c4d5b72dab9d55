#include "core/default_conf_path.h"
#include "core/window_placement.h"
#include "fakes/fake_platform.h"
#include "settings/settings_store.h"

#include <QDialog>
#include <QScreen>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(const WindowGeometryKeys*)

class TestCore : public QObject {
    Q_OBJECT

private slots:
    void splitsExecutablePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("confPath");

        QTest::newRow("windows") << u"D:\\a.b\\my.node.exe"_s << u"my.node"_s << u"D:\\a.b"_s
                                 << u"D:\\a.b\\my.node-CRYPTO-CONFIG.conf"_s;
        QTest::newRow("windows root") << u"C:\\KD-QUORLIN.exe"_s << u"KD-QUORLIN"_s << u"C:\\"_s
                                      << u"C:\\\\KD-QUORLIN-CRYPTO-CONFIG.conf"_s;
        QTest::newRow("linux keeps dots") << u"/opt/my.node.exe"_s << u"my.node.exe"_s << u"/opt"_s
                                          << u"/opt/my.node.exe-CRYPTO-CONFIG.conf"_s;
        QTest::newRow("linux root") << u"/KD-QUORLIN"_s << u"KD-QUORLIN"_s << u"/"_s
                                    << u"//KD-QUORLIN-CRYPTO-CONFIG.conf"_s;
        QTest::newRow("linux colon folder")
            << u"/c:/KD-QUORLIN"_s << u"KD-QUORLIN"_s << u"/c:"_s << u"/c:/KD-QUORLIN-CRYPTO-CONFIG.conf"_s;
    }

    void splitsExecutablePath()
    {
        QFETCH(QString, path);
        const QChar separator = path.contains(u'\\') ? u'\\' : u'/';
        const ExecutableIdentity identity = executableIdentityFromPath(path, separator, separator == u'\\');
        QTEST(identity.name, "name");
        QTEST(identity.folder, "folder");
        QTEST(defaultConfPath(identity, separator), "confPath");
    }

    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // What the store reads from a stored text, and the text it writes back for
    // that geometry value ("" when the row checks no write). A value that cannot
    // be converted reads as the default; a null text stores nothing.
    void convertsStoredText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("tick");
        QTest::addColumn<float>("twips");
        QTest::addColumn<QString>("written");
        const auto row = [](const char* name, const char* locale, const char* stored, int tick, float twips,
                             const char* written) {
            QTest::newRow(name) << QString::fromLatin1(locale) << QString::fromUtf8(stored) << tick << twips
                                << QString::fromUtf8(written);
        };
        row("whole, no point", "C", "1005", 1005, 1005, "1005");
        row("missing", "C", nullptr, 7, 3960, "");
        row("blanks around", "C", " 1 ", 1, 1, "");
        row("16-bit bound", "C", "-32768", -32768, -32768, "-32768");
        row("beyond 16 bits", "C", "65537", 7, 65537, "65537");
        row("fraction", "C", "-1000.5", 7, -1000.5f, "-1000.5");
        row("far, no exponent", "C", "491505", 7, 491505, "491505");
        row("letters", "C", "yes", 7, 3960, "");
        row("number then letters", "C", "12px", 7, 3960, "");
        row("infinity", "C", "inf", 7, 3960, "");
        row("beyond single precision", "C", "1e40", 7, 3960, "");
        row("german comma", "de_DE", "1000,5", 7, 1000.5f, "1000,5");
        row("german reads a point", "de_DE", "1000.5", 7, 1000.5f, "");
        row("german, no group separator", "de_DE", "15000", 15000, 15000, "15000");
        // Qt cannot read back its own Persian and Arabic text of a negative number.
        row("persian, left of the screen", "fa_IR", "-15", -15, -15, "-15");
        row("arabic, separator only", "ar_EG", "-1000٫5", 7, -1000.5f, "-1000٫5");
    }

    void convertsStoredText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QFETCH(float, twips);
        QFETCH(QString, written);
        QLocale::setDefault(QLocale(locale));
        TestContext t;
        if (!stored.isNull())
            t.fakes.store(u"KEY"_s, stored);
        QTEST(t.context.store.read(TickKey { "KEY"_L1, 7 }), "tick");
        QCOMPARE(t.context.store.readGeometry(u"KEY"_s, 3960), twips);
        if (written.isEmpty())
            return;
        t.context.store.writeGeometry(u"MAIN_Left"_s, twips);
        QCOMPARE(t.fakes.stored(u"MAIN_Left"_s), written);
        t.context.store.write(keys::kAlwaysOnTop, 0);
        QCOMPARE(t.fakes.stored(keys::kAlwaysOnTop.name), u"0"_s);
    }

    void keepsTextAsStored()
    {
        TestContext t;
        SettingsStore& store = t.context.store;
        const QString line = u"\"/opt/ltc/litecoin-cli\" -conf=\"/a b/c.conf\"  stop"_s;
        store.write(keys::kStopCommand, line);
        QCOMPARE(store.read(keys::kStopCommand), line);
        // Stored empty is not missing: the tick box default does not come back.
        store.write(TextKey { keys::kAlwaysOnTop.name }, QString());
        QCOMPARE(store.read(TextKey { keys::kAlwaysOnTop.name }), QString());
    }

    void firstRunAtDefaults_data()
    {
        QTest::addColumn<const WindowGeometryKeys*>("keys");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QSize>("frame");
        const auto row = [](const WindowGeometryKeys& keys, const char* prefix, int width, int height) {
            QTest::newRow(prefix) << &keys << QString::fromLatin1(prefix) << QSize(width, height);
        };
        row(geometry::kMain, "MAIN_", 3960, 1725);
        row(geometry::kMainSettings, "MAIN_SETTINGS-", 9735, 3465);
        row(geometry::kOutputCommands, "SINGLE_OUTPUT_COMMANDS_WINDOW-", 7995, 4440);
        row(geometry::kCryptoSettings, "CRYPTO_SETTINGS-", 8895, 6735);
        row(geometry::kConfGenerator, "MAIN-", 13785, 7965);
        row(geometry::kCoinPresets, "IDS-", 6870, 3180);
        row(geometry::kRpcTestCredentials, "TEST-RPC-CREDENTIALS-", 7920, 6690);
        row(geometry::kAbout, "ABOUT_", 9345, 2940);
        row(geometry::kDonations, "DONATIONS_WINDOW-", 8880, 6330);
    }

    void firstRunAtDefaults()
    {
        QFETCH(const WindowGeometryKeys*, keys);
        QFETCH(QString, prefix);
        QFETCH(QSize, frame);
        QCOMPARE((QStringList { keys->left(), keys->top(), keys->width(), keys->height() }),
            (QStringList {
                prefix + u"Left"_s, prefix + u"Top"_s, prefix + u"Width"_s, prefix + u"Height"_s }));
        QCOMPARE(QSizeF(keys->defaultWidth, keys->defaultHeight), QSizeF(frame));

        TestContext t;
        QDialog window;
        restorePlacement(window, t.context.store, *keys);
        // A default frame larger than the test screen is made to fit it.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        if (area.contains(QRect(QPoint(67, 67), frame / 15))) {
            QCOMPARE(window.pos(), QPoint(67, 67));
            QCOMPARE(window.size(), clientSize(frame));
        } else {
            QVERIFY(area.contains(QRect(window.pos(), window.size() + QSize(6, 25))));
        }
        QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
    }

    void unmovedStoresItsPlacementMovedReopensThereWithDefaultSize()
    {
        TestContext t;
        QDialog window;
        restorePlacement(window, t.context.store, geometry::kMain);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Unmoved, it stores what it was opened at, not the rounded pixels (67 px).
        savePosition(window, t.context.store, geometry::kMain);
        QCOMPARE(t.fakes.settings.writtenValues, (QStringList { u"MAIN_Left=1000"_s, u"MAIN_Top=1000"_s }));
        t.fakes.settings.writtenValues.clear();
        window.move(150, 120);
        window.resize(400, 300);
        savePosition(window, t.context.store, geometry::kMain);
        QCOMPARE(t.fakes.settings.writtenValues, (QStringList { u"MAIN_Left=2250"_s, u"MAIN_Top=1800"_s }));
        QDialog reopened;
        restorePlacement(reopened, t.context.store, geometry::kMain);
        QCOMPARE(reopened.pos(), QPoint(150, 120));
        QCOMPARE(reopened.size(), clientSize({ 3960, 1725 }));
    }

    // Stored "key=value" pairs; a null expected position only asks for one on
    // screen. The frame always fits the screen's available area.
    void offScreenPlacementComesBack_data()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const auto at = [](int left, int top) {
            return QStringList { u"MAIN_Left=%1"_s.arg(left * 15), u"MAIN_Top=%1"_s.arg(top * 15) };
        };
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("on screen") << at(100, 80) << QPoint(100, 80);
        QTest::newRow("partly visible") << at(area.right() - 10, 80) << QPoint(area.right() - 10, 80);
        QTest::newRow("far right") << at(area.right() + 5000, 80) << QPoint(area.right() - 263, 80);
        QTest::newRow("far below") << at(100, area.bottom() + 3000) << QPoint(100, area.bottom() - 114);
        QTest::newRow("above and left") << at(-200, -200) << area.topLeft();
        for (const char* pair : { "MAIN_Left=inf", "MAIN_Top=-1e30", "MAIN_Width=nan", "MAIN_Height=3e9",
                 "MAIN_Width=0", "MAIN_Height=-5000" })
            QTest::newRow(pair) << QStringList { QString::fromLatin1(pair) } << QPoint();
        for (const char* size : { "251658225", "3e38" })
            QTest::addRow("size %s", size) << QStringList { u"MAIN_Width="_s + QLatin1StringView(size),
                u"MAIN_Height="_s + QLatin1StringView(size) }
                                           << QPoint();
    }

    void offScreenPlacementComesBack()
    {
        QFETCH(QStringList, stored);
        QFETCH(QPoint, expected);
        TestContext t;
        for (const QString& pair : stored)
            t.fakes.store(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        QDialog window;
        restorePlacement(window, t.context.store, geometry::kMain);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.contains(window.pos()));
        QVERIFY(!window.size().isEmpty());
        const QSize frame = window.size() + QSize(6, 25);
        QCOMPARE(frame.boundedTo(area.size()), frame);
        QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
        if (!expected.isNull())
            QCOMPARE(window.pos(), expected);
    }

private:
    // Client size of a window placed before it is shown: the stored frame less
    // a standard border and title bar.
    static QSize clientSize(QSize frameTwips) { return frameTwips / 15 - QSize(6, 25); }
};

QTEST_MAIN(TestCore)
#include "test_core.moc"
