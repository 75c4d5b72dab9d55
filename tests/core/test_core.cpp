#include "core/multi_line_box.h"
#include "core/window_placement.h"
#include "fakes/fake_platform.h"

#include <QDialog>
#include <QScreen>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestCore : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Windows drops the extension, Linux keeps dots; a root keeps its separator; a colon is plain on Linux.
    void splitsExecutablePath()
    {
        QStringList split;
        for (const QString& path : { u"D:\\a.b\\my.node.exe"_s, u"C:\\KD-QUORLIN.exe"_s,
                 u"/opt/my.node.exe"_s, u"/KD-QUORLIN"_s, u"/c:/KD-QUORLIN"_s }) {
            const bool windows = path.contains(u'\\');
            const ExecutableIdentity identity
                = executableIdentityFromPath(path, windows ? u'\\' : u'/', windows);
            split << identity.folder + u" | "_s + identity.name;
        }
        QCOMPARE(split,
            QStringList({ u"D:\\a.b | my.node"_s, u"C:\\ | KD-QUORLIN"_s, u"/opt | my.node.exe"_s,
                u"/ | KD-QUORLIN"_s, u"/c: | KD-QUORLIN"_s }));
    }

    // What the store reads from a stored text (the default where it cannot convert it), and what it writes
    // back for that geometry ("": no write).
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
        row("beyond 16 bits, no exponent", "C", "491505", 7, 491505, "491505");
        row("fraction", "C", "-1000.5", 7, -1000.5f, "-1000.5");
        row("number then letters", "C", "12px", 7, 3960, "");
        row("infinity", "C", "inf", 7, 3960, "");
        row("german comma", "de_DE", "1000,5", 7, 1000.5f, "1000,5");
        row("german reads a point", "de_DE", "1000.5", 7, 1000.5f, "");
        row("german, no group separator", "de_DE", "15000", 15000, 15000, "15000");
        // Qt cannot read back its own Arabic text of a negative number.
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
        store.write(TickKey { "AlwaysOnTop_TICKBOX"_L1, 1 }, 0);
        QCOMPARE(t.fakes.stored(u"AlwaysOnTop_TICKBOX"_s), u"0"_s);
    }

    // Every window's default frame; where each first opens is pinned where it closes.
    void defaultFrames()
    {
        QList<QSizeF> frames;
        for (const WindowGeometryKeys* keys : { &geometry::kMain, &geometry::kMainSettings,
                 &geometry::kOutputCommands, &geometry::kCryptoSettings, &geometry::kConfGenerator,
                 &geometry::kCoinPresets, &geometry::kRpcTestCredentials, &geometry::kAbout,
                 &geometry::kDonations, &geometry::kNodeStatus })
            frames << QSizeF(keys->defaultWidth, keys->defaultHeight);
        QCOMPARE(frames,
            QList<QSizeF>({ { 3960, 1725 }, { 9735, 3465 }, { 7995, 4440 }, { 8895, 6735 }, { 13785, 7965 },
                { 6870, 3180 }, { 7920, 6690 }, { 9345, 2940 }, { 8880, 6330 }, { 7200, 5625 } }));
    }

    // Unmoved, a window stores the place it was opened at, not the rounded pixels (67 px); moved, where it is
    // now; its size never. Each storing is one write of the store.
    void storesItsPositionOnly()
    {
        TestContext t;
        QDialog window;
        restorePlacement(window, t.context.store, geometry::kMain);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        savePosition(window, t.context.store, geometry::kMain);
        window.move(150, 120);
        window.resize(400, 300);
        savePosition(window, t.context.store, geometry::kMain);
        QCOMPARE(t.fakes.settings.writtenValues,
            QStringList(
                { u"MAIN_Left=1000"_s, u"MAIN_Top=1000"_s, u"MAIN_Left=2250"_s, u"MAIN_Top=1800"_s }));
        QCOMPARE(t.fakes.settings.commits, 2);
    }

    // A stored frame that leaves the screen or is too large is brought back into the available area (a null
    // position asks only that); nothing is stored.
    void restoresPlacement_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QPoint>("expected");
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const auto row = [](const char* tag, const QStringList& stored, QPoint expected) {
            QTest::newRow(tag) << stored << expected;
        };
        const auto at = [](int left, int top) {
            return QStringList { u"MAIN_Left=%1"_s.arg(left * 15), u"MAIN_Top=%1"_s.arg(top * 15) };
        };
        row("partly visible", at(area.right() - 10, 80), QPoint(area.right() - 10, 80));
        row("far right", at(area.right() + 5000, 80), QPoint(area.right() - 263, 80));
        row("far below", at(100, area.bottom() + 3000), QPoint(100, area.bottom() - 114));
        row("above and left", at(-200, -200), area.topLeft());
        row("top beyond any screen", { u"MAIN_Top=-1e30"_s }, QPoint());
        row("negative height", { u"MAIN_Height=-5000"_s }, QPoint());
        row("size beyond any screen", { u"MAIN_Width=3e38"_s, u"MAIN_Height=3e38"_s }, QPoint());
    }

    void restoresPlacement()
    {
        QFETCH(QStringList, stored);
        QFETCH(QPoint, expected);
        TestContext t(stored);
        QDialog window;
        restorePlacement(window, t.context.store, geometry::kMain);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize framePixels = window.size() + QSize(6, 25);
        QVERIFY(!window.size().isEmpty() && area.contains(window.pos()));
        QCOMPARE(framePixels.boundedTo(area.size()), framePixels);
        QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
        // The default 264 x 115 frame less a standard border and title bar.
        if (!expected.isNull())
            QCOMPARE(window.geometry(), QRect(expected, QSize(258, 90)));
    }

    // A new text replaces only what changed: a selection in the rest survives; the undo history starts again.
    void multiLineBoxReplacesWhatChanged_data()
    {
        for (const char* column : { "before", "after", "selected" })
            QTest::addColumn<QString>(column);
        const auto row
            = [](const char* name, const QString& before, const QString& after, const char* selected) {
                  QTest::newRow(name) << before << after << QString(selected);
              };
        row("end", "alpha\r\nbeta", "alpha\r\ngamma", "alpha");
        row("start", "x\r\nalpha", "yy\r\nalpha", "alpha");
        row("middle", "alpha 1 omega", "alpha 22\r\n3 omega", "omega");
        row("repeated", "aaaa", "aaaaaa", "aaaa");
        row("halves of a character", u"a\U0001F600b"_s, u"a\U0001F603b"_s, "a");
        row("into the selection", "alpha beta", "alpha gamma", "");
    }

    void multiLineBoxReplacesWhatChanged()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, selected);
        MultiLineBox box;
        box.setText(before);
        QTest::keyClicks(&box, "!");
        box.setText(before);
        QVERIFY(box.find(selected.isEmpty() ? "beta" : selected));
        box.setText(after);
        QCOMPARE(box.text(), after);
        QCOMPARE(box.textCursor().selectedText(), selected);
        QVERIFY(!box.document()->isUndoAvailable());
    }
};

QTEST_MAIN(TestCore)
#include "test_core.moc"
