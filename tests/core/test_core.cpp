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
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The configuration file sits beside the executable, named after it.
    void splitsExecutablePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        const auto row = [](const char* tag, const QString& path, const QString& name,
                             const QString& folder) { QTest::newRow(tag) << path << name << folder; };
        row("windows", u"D:\\a.b\\my.node.exe"_s, u"my.node"_s, u"D:\\a.b"_s);
        row("windows root", u"C:\\KD-QUORLIN.exe"_s, u"KD-QUORLIN"_s, u"C:\\"_s);
        row("linux keeps dots", u"/opt/my.node.exe"_s, u"my.node.exe"_s, u"/opt"_s);
        row("linux root", u"/KD-QUORLIN"_s, u"KD-QUORLIN"_s, u"/"_s);
        row("linux colon folder", u"/c:/KD-QUORLIN"_s, u"KD-QUORLIN"_s, u"/c:"_s);
    }

    void splitsExecutablePath()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, folder);
        const QChar separator = path.contains(u'\\') ? u'\\' : u'/';
        const ExecutableIdentity identity = executableIdentityFromPath(path, separator, separator == u'\\');
        QCOMPARE(std::pair(identity.name, identity.folder), std::pair(name, folder));
        QCOMPARE(defaultConfPath(identity, separator), folder + separator + name + u"-CRYPTO-CONFIG.conf"_s);
    }

    // What the store reads from a stored text, and the text it writes back for
    // that geometry value ("" when the row checks no write). A value that cannot
    // be converted reads as the default; a null text stores nothing. Text
    // reads exactly as stored.
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
        row("command line", "C", "\"/opt/ltc/litecoin-cli\" -conf=\"/a b/c.conf\"  stop", 7, 3960, "");
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
        SettingsStore& store = t.context.store;
        if (!stored.isNull())
            t.fakes.store(u"KEY"_s, stored);
        QTEST(store.read(TickKey { "KEY"_L1, 7 }), "tick");
        QCOMPARE(store.readGeometry(u"KEY"_s, 3960), twips);
        QCOMPARE(store.read(TextKey { "KEY"_L1 }), stored);
        if (written.isEmpty())
            return;
        store.writeGeometry(u"MAIN_Left"_s, twips);
        QCOMPARE(t.fakes.stored(u"MAIN_Left"_s), written);
        store.write(keys::kAlwaysOnTop, 0);
        QCOMPARE(t.fakes.stored(keys::kAlwaysOnTop.name), u"0"_s);
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
        window.move(150, 120);
        window.resize(400, 300);
        savePosition(window, t.context.store, geometry::kMain);
        QCOMPARE(t.fakes.settings.writtenValues,
            QStringList(
                { u"MAIN_Left=1000"_s, u"MAIN_Top=1000"_s, u"MAIN_Left=2250"_s, u"MAIN_Top=1800"_s }));
        QDialog reopened;
        restorePlacement(reopened, t.context.store, geometry::kMain);
        QCOMPARE(reopened.geometry(), QRect(QPoint(150, 120), clientSize({ 3960, 1725 })));
    }

    // Where a window opens: every window's default frame (its keys are pinned
    // where it closes) at the default place on a first run, and the main window
    // from stored "key=value" pairs. A null position only asks for one on
    // screen. The frame always fits the available area; nothing is stored.
    void restoresPlacement_data()
    {
        QTest::addColumn<const WindowGeometryKeys*>("keys");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QPoint>("expected");
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        for (const auto& [keys, width, height] :
            { std::tuple(&geometry::kMain, 3960, 1725), { &geometry::kMainSettings, 9735, 3465 },
                { &geometry::kOutputCommands, 7995, 4440 }, { &geometry::kCryptoSettings, 8895, 6735 },
                { &geometry::kConfGenerator, 13785, 7965 }, { &geometry::kCoinPresets, 6870, 3180 },
                { &geometry::kRpcTestCredentials, 7920, 6690 }, { &geometry::kAbout, 9345, 2940 },
                { &geometry::kDonations, 8880, 6330 }, { &geometry::kNodeStatus, 7200, 5625 } }) {
            // A default frame larger than the test screen is made to fit it.
            const bool fits = area.contains(QRect(67, 67, width / 15, height / 15));
            QTest::addRow("first run %s", qPrintable(keys->prefix + keys->separator))
                << keys << QSize(width, height) << QStringList() << (fits ? QPoint(67, 67) : QPoint());
        }
        const auto at = [&](const char* tag, int left, int top, QPoint expected) {
            QTest::newRow(tag) << &geometry::kMain << QSize(3960, 1725)
                               << QStringList { u"MAIN_Left=%1"_s.arg(left * 15),
                                      u"MAIN_Top=%1"_s.arg(top * 15) }
                               << expected;
        };
        at("on screen", 100, 80, QPoint(100, 80));
        at("partly visible", area.right() - 10, 80, QPoint(area.right() - 10, 80));
        at("far right", area.right() + 5000, 80, QPoint(area.right() - 263, 80));
        at("far below", 100, area.bottom() + 3000, QPoint(100, area.bottom() - 114));
        at("above and left", -200, -200, area.topLeft());
        for (const char* pairs : { "MAIN_Left=inf", "MAIN_Top=-1e30", "MAIN_Width=nan", "MAIN_Height=3e9",
                 "MAIN_Width=0", "MAIN_Height=-5000", "MAIN_Width=251658225 MAIN_Height=251658225",
                 "MAIN_Width=3e38 MAIN_Height=3e38" })
            QTest::newRow(pairs) << &geometry::kMain << QSize(3960, 1725)
                                 << QString::fromLatin1(pairs).split(u' ') << QPoint();
    }

    void restoresPlacement()
    {
        QFETCH(const WindowGeometryKeys*, keys);
        QFETCH(QSize, frame);
        QFETCH(QStringList, stored);
        QFETCH(QPoint, expected);
        QCOMPARE(QSizeF(keys->defaultWidth, keys->defaultHeight), QSizeF(frame));
        TestContext t;
        for (const QString& pair : stored)
            t.fakes.store(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        QDialog window;
        restorePlacement(window, t.context.store, *keys);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize framePixels = window.size() + QSize(6, 25);
        QVERIFY(!window.size().isEmpty());
        QVERIFY(area.contains(
            stored.isEmpty() ? QRect(window.pos(), framePixels) : QRect(window.pos(), QSize(1, 1))));
        QCOMPARE(framePixels.boundedTo(area.size()), framePixels);
        QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
        if (!expected.isNull())
            QCOMPARE(window.geometry(), QRect(expected, clientSize(frame)));
    }

private:
    // Client size of a window placed before it is shown: the stored frame less
    // a standard border and title bar.
    static QSize clientSize(QSize frameTwips) { return frameTwips / 15 - QSize(6, 25); }
};

QTEST_MAIN(TestCore)
#include "test_core.moc"
