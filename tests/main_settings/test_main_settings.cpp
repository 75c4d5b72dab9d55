#include "fakes/fake_platform.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

namespace {

const QString kDefaultConf = QStringLiteral("/opt/nodes/KD-QUORLIN-CRYPTO-CONFIG.conf");

// The ".conf" choice as the user sees it: tick box, label, field (enabled,
// read-only), browse button, conf manager button, then the field's text.
QString confView(const QUORLIN_MAIN_SETTINGS& w)
{
    const QList<bool> states { w.USE_OWN_CONF_TICKBOX->isChecked(), w.CONF_FILE_LOCATION_LABEL->isEnabled(),
        w.CONF_FILE_LOCATION_TEXTBOX->isEnabled(), w.CONF_FILE_LOCATION_TEXTBOX->isReadOnly(),
        w.CONF_BROWSE_BUTTON->isEnabled(), w.CONF_MANAGER_BUTTON->isEnabled() };
    QString view;
    for (const bool state : states)
        view += state ? u'1' : u'0';
    return view + u' ' + w.CONF_FILE_LOCATION_TEXTBOX->text();
}

} // namespace

class TestMainSettings : public QObject {
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void tickUntickTick();
    void closingKeepsEveryChange_data();
    void closingKeepsEveryChange();
    void browse();
    void alwaysOnTopSwitchesMainWindowAtOnce();
    void openedModallyFromMainWindow();
};

void TestMainSettings::load_data()
{
    QTest::addColumn<QString>("ownConf");
    QTest::addColumn<QString>("alwaysOnTop");
    QTest::addColumn<QString>("view");
    QTest::addColumn<bool>("green");
    // Loading leaves the label greyed and the field editable, as created.
    QTest::newRow("first run") << ""
                               << ""
                               << "000001 " + kDefaultConf << true;
    QTest::newRow("own file") << "1"
                              << "0"
                              << "101010 /home/ann/own.conf" << false;
}

void TestMainSettings::load()
{
    QFETCH(QString, ownConf);
    QFETCH(QString, alwaysOnTop);
    TestContext t;
    if (!ownConf.isEmpty()) {
        t.fakes.store("USE_OWN_CONF_TICKBOX", ownConf);
        t.fakes.store("CONF_FILE_LOCATION_TEXTBOX", "/home/ann/own.conf");
        t.fakes.store("AlwaysOnTop_TICKBOX", alwaysOnTop);
    }
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);

    QTEST(confView(w), "view");
    QTEST(w.CONF_FILE_LOCATION_TEXTBOX->palette().color(QPalette::Base) == QColor(0, 255, 0), "green");
    QCOMPARE(w.AlwaysOnTop_TICKBOX->isChecked(), alwaysOnTop != "0");
    QCOMPARE(w.windowTitle(), QStringLiteral("QUORLIN - MAIN SETTINGS"));
    QVERIFY(w.OK_BUTTON->isDefault());
    QVERIFY(t.fakes.settings.writtenKeys.isEmpty());
}

void TestMainSettings::tickUntickTick()
{
    TestContext t;
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);

    w.USE_OWN_CONF_TICKBOX->click();
    QCOMPARE(confView(w), QStringLiteral("111010 "));
    QCOMPARE(t.fakes.settings.writtenValues,
        QStringList({ "USE_OWN_CONF_TICKBOX=1", "CONF_FILE_LOCATION_TEXTBOX=" }));

    w.CONF_FILE_LOCATION_TEXTBOX->setText("/home/ann/own.conf");
    w.USE_OWN_CONF_TICKBOX->click();
    QCOMPARE(confView(w), "000101 " + kDefaultConf);
    QCOMPARE(t.fakes.settings.writtenValues.mid(2),
        QStringList({ "USE_OWN_CONF_TICKBOX=0", "CONF_FILE_LOCATION_TEXTBOX=" + kDefaultConf }));

    // The own file is lost: ticking again shows the default path.
    w.USE_OWN_CONF_TICKBOX->click();
    QCOMPARE(confView(w), "111010 " + kDefaultConf);
}

void TestMainSettings::closingKeepsEveryChange_data()
{
    QTest::addColumn<int>("key"); // 0: the close box
    QTest::addColumn<bool>("ok");
    QTest::newRow("Cancel button") << int(Qt::Key_Space) << false;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    QTest::newRow("close box") << 0 << false;
    QTest::newRow("Enter presses OK") << int(Qt::Key_Return) << true;
}

void TestMainSettings::closingKeepsEveryChange()
{
    QFETCH(int, key);
    QFETCH(bool, ok);
    TestContext t;
    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS w(t.context, main);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.USE_OWN_CONF_TICKBOX->click();
    w.AlwaysOnTop_TICKBOX->click();
    w.CONF_FILE_LOCATION_TEXTBOX->setText("/typed/own.conf");
    t.fakes.settings.writtenKeys.clear();

    if (key)
        QTest::keyClick(key == Qt::Key_Space ? static_cast<QWidget*>(w.CANCEL_BUTTON) : &w, Qt::Key(key));
    else
        w.close();

    QVERIFY(!w.isVisible());
    const QStringList choices { "USE_OWN_CONF_TICKBOX", "CONF_FILE_LOCATION_TEXTBOX", "AlwaysOnTop_TICKBOX" };
    const QStringList unload = QStringList { "MAIN_SETTINGS-Left", "MAIN_SETTINGS-Top" } + choices;
    QCOMPARE(t.fakes.settings.writtenKeys, ok ? choices + unload : unload);
    QCOMPARE(QStringList({ t.fakes.stored("USE_OWN_CONF_TICKBOX"),
                 t.fakes.stored("CONF_FILE_LOCATION_TEXTBOX"), t.fakes.stored("AlwaysOnTop_TICKBOX") }),
        QStringList({ "1", "/typed/own.conf", "0" }));
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

    const OpenFileRequest& asked = t.fakes.dialogs.fileRequests.value(0);
    QCOMPARE(asked.title, QStringLiteral("SELECT \".CONF\" FILE:"));
    QCOMPARE(asked.defaultExtension, QStringLiteral("conf"));
    QCOMPARE(asked.initialFolder, QStringLiteral("/opt/nodes"));
    QCOMPARE(QStringList({ asked.filters.value(0).caption, asked.filters.value(0).pattern,
                 asked.filters.value(1).caption, asked.filters.value(1).pattern }),
        QStringList({ "CONF Files (*.conf)", "*.conf", "All files (*.*)", "*.*" }));
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
    QCOMPARE(t.fakes.settings.writtenValues.last(), QStringLiteral("AlwaysOnTop_TICKBOX=1"));
}

void TestMainSettings::openedModallyFromMainWindow()
{
    TestContext t;
    QUORLIN_MAIN main(t.context);
    bool done = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<QUORLIN_MAIN_SETTINGS*>(QApplication::activeModalWidget());
        QVERIFY(w && w->isModal() && w->parentWidget() == &main);
        // Every window of the hub opens modally, owned by it.
        const QList<std::pair<QPushButton*, const char*>> opens {
            { w->CRYPTO_SETTINGS_BUTTON, "QUORLIN_CRYPTO_SETTINGS" },
            { w->CONF_MANAGER_BUTTON, "QUORLIN_CONF_GENERATOR_MAIN" },
            { w->VIEW_OUTPUT_COMMANDS_BUTTON, "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW" },
            { w->ABOUT_BUTTON, "QUORLIN_ABOUT" },
        };
        for (const auto& [button, windowClass] : opens) {
            QString opened;
            QTimer::singleShot(0, [w, &opened] {
                QWidget* child = QApplication::activeModalWidget();
                QVERIFY(child && child != w && child->parentWidget() == w);
                opened = QString::fromLatin1(child->metaObject()->className());
                child->close();
            });
            button->click();
            QCOMPARE(opened, QString::fromLatin1(windowClass));
        }
        w->CANCEL_BUTTON->click();
        done = true;
    });
    main.SETTINGS_BUTTON->click();
    QTRY_VERIFY(done);
    QVERIFY(main.findChildren<QUORLIN_MAIN_SETTINGS*>().isEmpty()); // discarded when closed
}

QTEST_MAIN(TestMainSettings)
#include "test_main_settings.moc"
