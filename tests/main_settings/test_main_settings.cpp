#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "fakes/fake_platform.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "main_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

namespace {

const QString kDefaultConf = QStringLiteral("/opt/nodes/KD-QUORLIN-CRYPTO-CONFIG.conf");
const QColor kGreen(0, 255, 0);

// What the user sees of the ".conf" choice.
struct ConfView {
    bool ticked;
    bool labelEnabled;
    bool fieldEnabled;
    bool fieldReadOnly;
    bool browseEnabled;
    bool managerEnabled;
    QString text;

    bool operator==(const ConfView&) const = default;
};

ConfView confView(const QUORLIN_MAIN_SETTINGS& w)
{
    return { w.USE_OWN_CONF_TICKBOX->isChecked(), w.CONF_FILE_LOCATION_LABEL->isEnabled(),
        w.CONF_FILE_LOCATION_TEXTBOX->isEnabled(), w.CONF_FILE_LOCATION_TEXTBOX->isReadOnly(),
        w.CONF_BROWSE_BUTTON->isEnabled(), w.CONF_MANAGER_BUTTON->isEnabled(),
        w.CONF_FILE_LOCATION_TEXTBOX->text() };
}

char* describe(const ConfView& v)
{
    return QTest::toString(
        QStringLiteral("ticked %1 label %2 field %3 readOnly %4 browse %5 manager %6 \"%7\"")
            .arg(v.ticked)
            .arg(v.labelEnabled)
            .arg(v.fieldEnabled)
            .arg(v.fieldReadOnly)
            .arg(v.browseEnabled)
            .arg(v.managerEnabled)
            .arg(v.text));
}

} // namespace

namespace QTest {
template <> char* toString(const ConfView& view)
{
    return describe(view);
}
} // namespace QTest

class TestMainSettings : public QObject {
    Q_OBJECT

private slots:
    void firstRun();
    void ownFileAfterReopen();
    void tickUntickTick();
    void closingKeepsEveryChange_data();
    void closingKeepsEveryChange();
    void browse();
    void alwaysOnTopSwitchesMainWindowAtOnce();
    void openedModallyFromMainWindow();
    void opensItsChildrenModally_data();
    void opensItsChildrenModally();
};

void TestMainSettings::firstRun()
{
    TestContext t;
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);

    QCOMPARE(w.windowTitle(), QStringLiteral("QUORLIN - MAIN SETTINGS"));
    // Loading leaves the label greyed and the field editable, as created.
    QCOMPARE(confView(w), (ConfView { false, false, false, false, false, true, kDefaultConf }));
    QCOMPARE(w.CONF_FILE_LOCATION_TEXTBOX->palette().color(QPalette::Base), kGreen);
    QVERIFY(w.AlwaysOnTop_TICKBOX->isChecked());
    QVERIFY(w.OK_BUTTON->isDefault());
    QCOMPARE(w.EXE_FILENAME_HELP_LABEL->text(),
        QStringLiteral(
            "FOR MULTIPLE CONFIGURATIONS, COPY \".exe\" FILE TO A NEW FILENAME, RUN, AND CONFIGURE."));
    QCOMPARE(w.EXE_FILENAME_HELP_LABEL->palette().color(QPalette::Window), kGreen);
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestMainSettings::ownFileAfterReopen()
{
    TestContext t;
    t.fakes.store("USE_OWN_CONF_TICKBOX", "1");
    t.fakes.store("CONF_FILE_LOCATION_TEXTBOX", "/home/ann/own.conf");
    t.fakes.store("AlwaysOnTop_TICKBOX", "0");
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);

    QCOMPARE(confView(w), (ConfView { true, false, true, false, true, false, "/home/ann/own.conf" }));
    QVERIFY(!w.AlwaysOnTop_TICKBOX->isChecked());
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestMainSettings::tickUntickTick()
{
    TestContext t;
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);

    w.USE_OWN_CONF_TICKBOX->click();
    QCOMPARE(confView(w), (ConfView { true, true, true, false, true, false, "" }));
    QCOMPARE(t.fakes.settings.writtenValues,
        QStringList({ "USE_OWN_CONF_TICKBOX=1", "CONF_FILE_LOCATION_TEXTBOX=" }));

    w.CONF_FILE_LOCATION_TEXTBOX->setText(QStringLiteral("/home/ann/own.conf"));
    t.fakes.settings.writtenValues.clear();
    w.USE_OWN_CONF_TICKBOX->click();
    QCOMPARE(confView(w), (ConfView { false, false, false, true, false, true, kDefaultConf }));
    QCOMPARE(t.fakes.settings.writtenValues,
        QStringList({ "USE_OWN_CONF_TICKBOX=0", "CONF_FILE_LOCATION_TEXTBOX=" + kDefaultConf }));

    // The own file is lost: ticking again shows the default path.
    w.USE_OWN_CONF_TICKBOX->click();
    QCOMPARE(confView(w), (ConfView { true, true, true, false, true, false, kDefaultConf }));
}

void TestMainSettings::closingKeepsEveryChange_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<QStringList>("lastWrites");
    const QStringList unload { "MAIN_SETTINGS-Left", "MAIN_SETTINGS-Top", "USE_OWN_CONF_TICKBOX",
        "CONF_FILE_LOCATION_TEXTBOX", "AlwaysOnTop_TICKBOX" };
    QTest::newRow("Cancel button") << 0 << unload;
    QTest::newRow("Esc") << 1 << unload;
    QTest::newRow("close box") << 2 << unload;
    QTest::newRow("OK button") << 3
                               << QStringList { "USE_OWN_CONF_TICKBOX", "CONF_FILE_LOCATION_TEXTBOX",
                                      "AlwaysOnTop_TICKBOX" }
            + unload;
    QTest::newRow("Enter") << 4
                           << QStringList { "USE_OWN_CONF_TICKBOX", "CONF_FILE_LOCATION_TEXTBOX",
                                  "AlwaysOnTop_TICKBOX" }
            + unload;
}

void TestMainSettings::closingKeepsEveryChange()
{
    QFETCH(int, way);
    QFETCH(QStringList, lastWrites);
    TestContext t;
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    w.USE_OWN_CONF_TICKBOX->click();
    w.AlwaysOnTop_TICKBOX->click();
    w.CONF_FILE_LOCATION_TEXTBOX->setText(QStringLiteral("/typed/own.conf"));
    t.fakes.settings.writtenKeys.clear();

    switch (way) {
    case 0:
        w.CANCEL_BUTTON->click();
        break;
    case 1:
        QTest::keyClick(&w, Qt::Key_Escape);
        break;
    case 2:
        w.close();
        break;
    case 3:
        w.OK_BUTTON->click();
        break;
    default:
        QTest::keyClick(&w, Qt::Key_Return);
    }

    QVERIFY(!w.isVisible());
    QCOMPARE(t.fakes.settings.writtenKeys, lastWrites);
    QCOMPARE(t.fakes.stored("USE_OWN_CONF_TICKBOX"), QStringLiteral("1"));
    QCOMPARE(t.fakes.stored("CONF_FILE_LOCATION_TEXTBOX"), QStringLiteral("/typed/own.conf"));
    QCOMPARE(t.fakes.stored("AlwaysOnTop_TICKBOX"), QStringLiteral("0"));
    QVERIFY(!main.AlwaysOnTopTimer.isActive());
}

void TestMainSettings::browse()
{
    TestContext t;
    t.fakes.store("USE_OWN_CONF_TICKBOX", "1");
    t.fakes.store("CONF_FILE_LOCATION_TEXTBOX", "/home/ann/old.conf");
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);

    t.fakes.dialogs.fileAnswers = { std::nullopt, QStringLiteral("/srv/node/picked.conf") };
    w.CONF_BROWSE_BUTTON->click();
    QCOMPARE(w.CONF_FILE_LOCATION_TEXTBOX->text(), QStringLiteral("/home/ann/old.conf"));
    w.CONF_BROWSE_BUTTON->click();
    QCOMPARE(w.CONF_FILE_LOCATION_TEXTBOX->text(), QStringLiteral("/srv/node/picked.conf"));
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());

    QCOMPARE(t.fakes.dialogs.fileRequests.size(), 2);
    const OpenFileRequest& request = t.fakes.dialogs.fileRequests.first();
    QCOMPARE(request.title, QStringLiteral("SELECT \".CONF\" FILE:"));
    QCOMPARE(request.defaultExtension, QStringLiteral("conf"));
    QCOMPARE(request.initialFolder, QStringLiteral("/opt/nodes"));
    QCOMPARE(request.filters.size(), 2);
    QCOMPARE(request.filters[0].caption, QStringLiteral("CONF Files (*.conf)"));
    QCOMPARE(request.filters[0].pattern, QStringLiteral("*.conf"));
    QCOMPARE(request.filters[1].caption, QStringLiteral("All files (*.*)"));
    QCOMPARE(request.filters[1].pattern, QStringLiteral("*.*"));
}

void TestMainSettings::alwaysOnTopSwitchesMainWindowAtOnce()
{
    TestContext t;
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);
    QVERIFY(main.AlwaysOnTopTimer.isActive());

    w.AlwaysOnTop_TICKBOX->click();
    QCOMPARE(main.AlwaysOnTop_TICKBOX, 0);
    QVERIFY(!main.AlwaysOnTopTimer.isActive());
    QCOMPARE(t.fakes.settings.writtenValues, QStringList({ "AlwaysOnTop_TICKBOX=0" }));

    w.AlwaysOnTop_TICKBOX->click();
    QCOMPARE(main.AlwaysOnTop_TICKBOX, 1);
    QVERIFY(main.AlwaysOnTopTimer.isActive());
    QCOMPARE(main.AlwaysOnTopTimer.interval(), 1000);
    QCOMPARE(t.fakes.stored("AlwaysOnTop_TICKBOX"), QStringLiteral("1"));
}

void TestMainSettings::openedModallyFromMainWindow()
{
    TestContext t;
    QUORLIN_MAIN main(t.context);
    bool done = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<QUORLIN_MAIN_SETTINGS*>(QApplication::activeModalWidget());
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), &main);
        QVERIFY(w->isModal());
        w->CANCEL_BUTTON->click();
        done = true;
    });
    main.SETTINGS_BUTTON->click();
    QTRY_VERIFY(done);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(main.findChildren<QUORLIN_MAIN_SETTINGS*>().isEmpty());
}

void TestMainSettings::opensItsChildrenModally_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("crypto settings") << "CRYPTO_SETTINGS_BUTTON"
                                     << "QUORLIN_CRYPTO_SETTINGS";
    QTest::newRow("output commands") << "VIEW_OUTPUT_COMMANDS_BUTTON"
                                     << "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW";
}

void TestMainSettings::opensItsChildrenModally()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    TestContext t;
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);
    bool done = false;
    QTimer::singleShot(0, [&] {
        auto* opened = qobject_cast<FormWindow*>(QApplication::activeModalWidget());
        QVERIFY(opened);
        QCOMPARE(QString::fromLatin1(opened->metaObject()->className()), window);
        QCOMPARE(opened->parentWidget(), &w);
        opened->close();
        done = true;
    });
    w.findChild<QPushButton*>(button)->click();
    QTRY_VERIFY(done);
}

QTEST_MAIN(TestMainSettings)
#include "test_main_settings.moc"
