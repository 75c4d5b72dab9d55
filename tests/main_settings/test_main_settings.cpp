#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "crypto_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

namespace {

const QString kDefaultConf = QStringLiteral("/opt/nodes/KD-QUORLIN-CRYPTO-CONFIG.conf");

struct Opened {
    TestContext& t;
    QUORLIN_MAIN main { t.context };
    QUORLIN_MAIN_SETTINGS w { t.context, &main };

    // The ".conf" choice as the user sees it: tick box, label, field (enabled,
    // read-only), browse button, conf manager button, then the field's text.
    QString confView() const
    {
        QString view;
        for (const bool state : { ctl<QCheckBox>(w, "USE_OWN_CONF_TICKBOX")->isChecked(),
                 ctl<QLabel>(w, "CONF_FILE_LOCATION_LABEL")->isEnabled(),
                 ctl<QLineEdit>(w, "CONF_FILE_LOCATION_TEXTBOX")->isEnabled(),
                 ctl<QLineEdit>(w, "CONF_FILE_LOCATION_TEXTBOX")->isReadOnly(),
                 ctl<QPushButton>(w, "CONF_BROWSE_BUTTON")->isEnabled(),
                 ctl<QPushButton>(w, "CONF_MANAGER_BUTTON")->isEnabled() })
            view += state ? u'1' : u'0';
        return view + u' ' + ctl<QLineEdit>(w, "CONF_FILE_LOCATION_TEXTBOX")->text();
    }
};

// Every window with stored tick boxes, each under the main window.
struct TickBoxWindows {
    TestContext& t;
    QUORLIN_MAIN main { t.context };
    QUORLIN_MAIN_SETTINGS settings { t.context, &main };
    QUORLIN_CRYPTO_SETTINGS crypto { t.context, QString(), &main };
    QUORLIN_CONF_GENERATOR_MAIN conf { t.context, &main };

    QList<QCheckBox*> boxes() const { return main.findChildren<QCheckBox*>(); }
};

} // namespace

class TestMainSettings : public QObject {
    Q_OBJECT

private slots:
    void tickBoxes();
    void oddStoredTickStatesLoadUnticked_data();
    void oddStoredTickStatesLoadUnticked();
    void closingKeepsEveryChange_data();
    void closingKeepsEveryChange();
    void hubOpensEveryWindowModally();
    void outputCommandsShowTheLiveLines();
};

// First run, tick/untick/tick, the always-on-top box, then loading an own file.
void TestMainSettings::tickBoxes()
{
    TestContext t;
    Opened o { t };
    QCOMPARE(o.confView(), "000001 " + kDefaultConf); // the label greyed and the field editable, as created
    QCOMPARE(ctl<QLineEdit>(o.w, "CONF_FILE_LOCATION_TEXTBOX")->palette().color(QPalette::Base),
        QColor(0, 255, 0));
    QVERIFY(ctl<QCheckBox>(o.w, "AlwaysOnTop_TICKBOX")->isChecked() && o.main.AlwaysOnTopTimer.isActive());
    ctl<QCheckBox>(o.w, "USE_OWN_CONF_TICKBOX")->click();
    QCOMPARE(o.confView(), QStringLiteral("111010 "));
    ctl<QLineEdit>(o.w, "CONF_FILE_LOCATION_TEXTBOX")->setText("/home/ann/own.conf");
    ctl<QCheckBox>(o.w, "USE_OWN_CONF_TICKBOX")->click();
    QCOMPARE(o.confView(), "000101 " + kDefaultConf);
    ctl<QCheckBox>(o.w, "USE_OWN_CONF_TICKBOX")->click(); // the own file is lost: the default path shows
    QCOMPARE(o.confView(), "111010 " + kDefaultConf);
    ctl<QCheckBox>(o.w, "AlwaysOnTop_TICKBOX")->click(); // the main window stops its timer at once, before OK
    QVERIFY(!o.main.AlwaysOnTopTimer.isActive() && o.main.AlwaysOnTop_TICKBOX() == 0);
    ctl<QCheckBox>(o.w, "AlwaysOnTop_TICKBOX")->click();
    QVERIFY(o.main.AlwaysOnTopTimer.isActive() && o.main.AlwaysOnTop_TICKBOX() == 1);
    ctl<QCheckBox>(o.w, "AlwaysOnTop_TICKBOX")->click();
    QCOMPARE(t.fakes.settings.writtenValues,
        QStringList({ "USE_OWN_CONF_TICKBOX=1", "CONF_FILE_LOCATION_TEXTBOX=", "USE_OWN_CONF_TICKBOX=0",
            "CONF_FILE_LOCATION_TEXTBOX=" + kDefaultConf, "USE_OWN_CONF_TICKBOX=1",
            "CONF_FILE_LOCATION_TEXTBOX=" + kDefaultConf, "AlwaysOnTop_TICKBOX=0", "AlwaysOnTop_TICKBOX=1",
            "AlwaysOnTop_TICKBOX=0" }));

    t.fakes.store("CONF_FILE_LOCATION_TEXTBOX", "/home/ann/own.conf");
    Opened own { t };
    QCOMPARE(own.confView(), QStringLiteral("101010 /home/ann/own.conf"));
    QVERIFY(ctl<QLineEdit>(own.w, "CONF_FILE_LOCATION_TEXTBOX")->palette().color(QPalette::Base)
        != QColor(0, 255, 0));
    QVERIFY(!ctl<QCheckBox>(own.w, "AlwaysOnTop_TICKBOX")->isChecked());
}

void TestMainSettings::oddStoredTickStatesLoadUnticked_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("2") << "2";
    QTest::newRow("-1") << "-1";
}

// Only a stored "1" ticks a box.
void TestMainSettings::oddStoredTickStatesLoadUnticked()
{
    QFETCH(QString, stored);
    TestContext t;
    {
        const TickBoxWindows firstRun { t };
        for (const QCheckBox* box : firstRun.boxes())
            t.fakes.store(box->objectName(), stored);
    }
    const TickBoxWindows opened { t };
    QCOMPARE(opened.boxes().size(), 19);
    QStringList ticked;
    for (const QCheckBox* box : opened.boxes())
        if (box->isChecked())
            ticked << box->objectName();
    QCOMPARE(ticked.join(u' '), QString());
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

// Every choice is stored as it is made, the browsed path on closing, however the window closes.
void TestMainSettings::closingKeepsEveryChange()
{
    QFETCH(int, key);
    QFETCH(bool, ok);
    TestContext t;
    Opened o { t };
    o.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o.w));
    ctl<QCheckBox>(o.w, "USE_OWN_CONF_TICKBOX")->click();
    ctl<QCheckBox>(o.w, "AlwaysOnTop_TICKBOX")->click();
    t.fakes.settings.writtenKeys.clear();
    ctl<QLineEdit>(o.w, "CONF_FILE_LOCATION_TEXTBOX")->setText("/typed/own.conf");
    t.fakes.dialogs.fileAnswers = { std::nullopt, QStringLiteral("/srv/node/picked.conf") };
    ctl<QPushButton>(o.w, "CONF_BROWSE_BUTTON")->click(); // cancelled
    QCOMPARE(ctl<QLineEdit>(o.w, "CONF_FILE_LOCATION_TEXTBOX")->text(), QStringLiteral("/typed/own.conf"));
    ctl<QPushButton>(o.w, "CONF_BROWSE_BUTTON")->click();
    const OpenFileRequest& asked = t.fakes.dialogs.fileRequests.value(0);
    QCOMPARE(QStringList({ asked.title, asked.defaultExtension, asked.initialFolder,
                 asked.filters.value(0).caption, asked.filters.value(0).pattern,
                 asked.filters.value(1).caption, asked.filters.value(1).pattern }),
        QStringList({ "SELECT \".CONF\" FILE:", "conf", "/opt/nodes", "CONF Files (*.conf)", "*.conf",
            "All files (*.*)", "*.*" }));

    if (key)
        QTest::keyClick(
            key == Qt::Key_Space ? static_cast<QWidget*>(ctl<QPushButton>(o.w, "CANCEL_BUTTON")) : &o.w,
            Qt::Key(key));
    else
        o.w.close();
    QVERIFY(!o.w.isVisible());
    const QStringList choices { "USE_OWN_CONF_TICKBOX", "CONF_FILE_LOCATION_TEXTBOX", "AlwaysOnTop_TICKBOX" };
    const QStringList unload = QStringList { "MAIN_SETTINGS-Left", "MAIN_SETTINGS-Top" } + choices;
    QCOMPARE(t.fakes.settings.writtenKeys, ok ? choices + unload : unload);
    QCOMPARE(
        QStringList({ t.fakes.stored(choices[0]), t.fakes.stored(choices[1]), t.fakes.stored(choices[2]) }),
        QStringList({ "1", "/srv/node/picked.conf", "0" }));
}

void TestMainSettings::hubOpensEveryWindowModally()
{
    TestContext t;
    QUORLIN_MAIN main(t.context);
    bool done = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<QUORLIN_MAIN_SETTINGS*>(QApplication::activeModalWidget());
        QVERIFY(w && w->isModal() && w->parentWidget() == &main);
        QCOMPARE(w->windowTitle(), QStringLiteral("QUORLIN - MAIN SETTINGS"));
        const std::pair<QPushButton*, const char*> opens[] {
            { ctl<QPushButton>(*w, "CRYPTO_SETTINGS_BUTTON"), "QUORLIN_CRYPTO_SETTINGS" },
            { ctl<QPushButton>(*w, "CONF_MANAGER_BUTTON"), "QUORLIN_CONF_GENERATOR_MAIN" },
            { ctl<QPushButton>(*w, "VIEW_OUTPUT_COMMANDS_BUTTON"), "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW" },
            { ctl<QPushButton>(*w, "ABOUT_BUTTON"), "QUORLIN_ABOUT" },
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
        ctl<QPushButton>(*w, "CANCEL_BUTTON")->click();
        done = true;
    });
    ctl<QPushButton>(main, "SETTINGS_BUTTON")->click();
    QTRY_VERIFY(done);
    QVERIFY(main.findChildren<QUORLIN_MAIN_SETTINGS*>().isEmpty()); // discarded when closed
}

// Each press shows the live main window's line, not the stored one; closing stores only the position.
void TestMainSettings::outputCommandsShowTheLiveLines()
{
    TestContext t;
    t.fakes.store("KD_QT_COMMAND_TEXTBOX", "stored");
    QUORLIN_MAIN main(t.context);
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW w(t.context, &main);
    w.show();
    const auto shown = [&] {
        return ctl<QLabel>(w, "COMMAND_NAME_LABEL")->text() + '|'
            + ctl<QPlainTextEdit>(w, "ALL_COMMANDS_TEXTBOX")->toPlainText();
    };
    QCOMPARE(shown(), "RUN COMMAND - |");
    QVERIFY(ctl<QPlainTextEdit>(w, "ALL_COMMANDS_TEXTBOX")->isReadOnly());
    const std::tuple<QPushButton*, NodeText, QString> shows[] {
        { ctl<QPushButton>(w, "QT_COMMAND_BUTTON"), NodeText::QtCommand, "QT" },
        { ctl<QPushButton>(w, "DAEMON_COMMAND_BUTTON"), NodeText::DaemonCommand, "DAEMON" },
        { ctl<QPushButton>(w, "CLI_STOP_COMMAND_BUTTON"), NodeText::StopCommand, "CLI - STOP" },
    };
    for (const auto& [button, command, name] : shows) {
        t.context.node.setText(command, "live " + name);
        button->click();
        QCOMPARE(shown(), "RUN COMMAND - " + name + "|live " + name);
    }
    t.fakes.settings.writtenKeys.clear();
    ctl<QPushButton>(w, "OK_BUTTON")->click();
    QVERIFY(!w.isVisible());
    QCOMPARE(t.fakes.settings.writtenKeys,
        QStringList({ "SINGLE_OUTPUT_COMMANDS_WINDOW-Left", "SINGLE_OUTPUT_COMMANDS_WINDOW-Top" }));
}

QTEST_MAIN(TestMainSettings)
#include "test_main_settings.moc"
