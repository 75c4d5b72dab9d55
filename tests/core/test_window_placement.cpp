#include "core/window_placement.h"
#include "fakes/fake_platform.h"

#include <QDialog>
#include <QScreen>
#include <QtTest>

Q_DECLARE_METATYPE(const WindowGeometryKeys*)

namespace {

// Client size of a window placed before it is shown: the stored frame less
// a standard border and title bar.
QSize clientSize(float frameWidthTwips, float frameHeightTwips)
{
    return QSize(qRound(frameWidthTwips / 15), qRound(frameHeightTwips / 15)) - QSize(6, 25);
}

} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void firstRunAtDefaults_data();
    void firstRunAtDefaults();
    void movedWindowReopensThereWithDefaultSize();
    void offScreenPositionComesBack_data();
    void offScreenPositionComesBack();
    void nonsenseGeometryLandsOnScreen_data();
    void nonsenseGeometryLandsOnScreen();
};

void TestWindowPlacement::firstRunAtDefaults_data()
{
    QTest::addColumn<const WindowGeometryKeys*>("keys");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QSize>("frameTwips");

    const auto row
        = [](const char* name, const WindowGeometryKeys& keys, const QString& left, int width, int height) {
              QString prefix = left;
              prefix.chop(4);
              QTest::newRow(name) << &keys
                                  << QStringList { left, prefix + QStringLiteral("Top"),
                                         prefix + QStringLiteral("Width"), prefix + QStringLiteral("Height") }
                                  << QSize(width, height);
          };
    row("main", geometry::kMain, QStringLiteral("MAIN_Left"), 3960, 1725);
    row("main settings", geometry::kMainSettings, QStringLiteral("MAIN_SETTINGS-Left"), 9735, 3465);
    row("output commands", geometry::kOutputCommands, QStringLiteral("SINGLE_OUTPUT_COMMANDS_WINDOW-Left"),
        7995, 4440);
    row("crypto settings", geometry::kCryptoSettings, QStringLiteral("CRYPTO_SETTINGS-Left"), 8895, 6735);
    row("conf generator", geometry::kConfGenerator, QStringLiteral("MAIN-Left"), 13785, 7965);
    row("coin presets", geometry::kCoinPresets, QStringLiteral("IDS-Left"), 6870, 3180);
    row("rpc test credentials", geometry::kRpcTestCredentials, QStringLiteral("TEST-RPC-CREDENTIALS-Left"),
        7920, 6690);
    row("about", geometry::kAbout, QStringLiteral("ABOUT_Left"), 9345, 2940);
    row("donations", geometry::kDonations, QStringLiteral("DONATIONS_WINDOW-Left"), 8880, 6330);
}

void TestWindowPlacement::firstRunAtDefaults()
{
    QFETCH(const WindowGeometryKeys*, keys);
    QFETCH(QStringList, names);
    QFETCH(QSize, frameTwips);

    QCOMPARE((QStringList { keys->left(), keys->top(), keys->width(), keys->height() }), names);
    QCOMPARE((QList<float> { keys->defaultLeft, keys->defaultTop, keys->defaultWidth, keys->defaultHeight }),
        (QList<float> { 1000, 1000, float(frameTwips.width()), float(frameTwips.height()) }));

    TestContext t;
    QDialog window;
    restorePlacement(window, t.context.store, *keys);
    QCOMPARE(window.pos(), QPoint(67, 67));
    QCOMPARE(window.size(), clientSize(frameTwips.width(), frameTwips.height()));
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestWindowPlacement::movedWindowReopensThereWithDefaultSize()
{
    TestContext t;
    {
        QDialog window;
        restorePlacement(window, t.context.store, geometry::kMain);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.move(150, 120);
        window.resize(400, 300);
        savePosition(window, t.context.store, geometry::kMain);
    }
    QCOMPARE(t.fakes.settings.writtenValues,
        (QStringList { QStringLiteral("MAIN_Left=2250"), QStringLiteral("MAIN_Top=1800") }));

    QDialog reopened;
    restorePlacement(reopened, t.context.store, geometry::kMain);
    QCOMPARE(reopened.pos(), QPoint(150, 120));
    QCOMPARE(reopened.size(), clientSize(3960, 1725));
}

void TestWindowPlacement::offScreenPositionComesBack_data()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize frame(264, 115); // the main window's default frame in pixels
    const auto twips = [](int pixels) { return QString::number(pixels * 15); };

    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("on screen stays") << twips(100) << twips(80) << QPoint(100, 80);
    QTest::newRow("partly visible stays")
        << twips(area.right() - 10) << twips(80) << QPoint(area.right() - 10, 80);
    QTest::newRow("far right") << twips(area.right() + 5000) << twips(80)
                               << QPoint(area.right() - frame.width() + 1, 80);
    QTest::newRow("far left") << twips(-9000) << twips(80) << QPoint(area.left(), 80);
    QTest::newRow("far below") << twips(100) << twips(area.bottom() + 3000)
                               << QPoint(100, area.bottom() - frame.height() + 1);
    QTest::newRow("above and left") << twips(-3000) << twips(-3000) << area.topLeft();
}

void TestWindowPlacement::offScreenPositionComesBack()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QPoint, expected);

    TestContext t;
    t.fakes.store(QStringLiteral("MAIN_Left"), left);
    t.fakes.store(QStringLiteral("MAIN_Top"), top);
    QDialog window;
    restorePlacement(window, t.context.store, geometry::kMain);
    QCOMPARE(window.pos(), expected);
    QCOMPARE(window.size(), clientSize(3960, 1725));
}

void TestWindowPlacement::nonsenseGeometryLandsOnScreen_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");

    for (const char* key : { "MAIN_Left", "MAIN_Top", "MAIN_Width", "MAIN_Height" })
        for (const char* stored : { "inf", "-inf", "nan", "1e30", "-1e30", "3e9", "0", "-5000" })
            QTest::addRow("%s=%s", key, stored) << QString::fromLatin1(key) << QString::fromLatin1(stored);
}

void TestWindowPlacement::nonsenseGeometryLandsOnScreen()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);

    TestContext t;
    t.fakes.store(key, stored);
    QDialog window;
    restorePlacement(window, t.context.store, geometry::kMain);
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.pos()));
    QVERIFY(!window.size().isEmpty());
}

QTEST_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
