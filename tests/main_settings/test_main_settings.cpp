#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "crypto_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The fake executable's folder and the configuration's file, joined as this platform joins them.
const QString kDefaultConf = u"/opt/nodes"_s + QDir::separator() + u"KD-QUORLIN-CRYPTO-CONFIG.conf"_s;

// The main settings under the main window, with the other windows that have stored tick boxes.
struct Opened {
    TestContext& t;
    QUORLIN_MAIN main { t.context };
    QUORLIN_MAIN_SETTINGS w { t.context, &main };
    QUORLIN_CRYPTO_SETTINGS crypto { t.context, QString(), &main };
    QUORLIN_CONF_GENERATOR_MAIN conf { t.context, &main };

    QLineEdit* field() const { return ctl<QLineEdit>(w, "CONF_FILE_LOCATION_TEXTBOX"); }
    void click(const char* name) const { ctl<QAbstractButton>(w, name)->click(); }

    // The ".conf" choice as the user sees it: the states that hold, then the field's text.
    QString confView() const
    {
        QStringList view;
        for (const auto& [name, holds] :
            { std::pair("ticked", ctl<QCheckBox>(w, "USE_OWN_CONF_TICKBOX")->isChecked()),
                { "label", ctl<QLabel>(w, "CONF_FILE_LOCATION_LABEL")->isEnabled() },
                { "field", field()->isEnabled() }, { "read-only", field()->isReadOnly() },
                { "browse", ctl<QPushButton>(w, "CONF_BROWSE_BUTTON")->isEnabled() },
                { "manager", ctl<QPushButton>(w, "CONF_MANAGER_BUTTON")->isEnabled() } })
            if (holds)
                view << QString::fromLatin1(name);
        return view.join(u' ') + u" | "_s + field()->text();
    }
};

} // namespace

class TestMainSettings : public QObject {
    Q_OBJECT

private slots:
    // First run, tick/untick/tick, browsing, the always-on-top box; then loading an own file. Each choice is
    // stored as it is made, one write of the store per click; OK stores them in one write.
    void choices()
    {
        TestContext t;
        {
            const Opened o { t };
            QCOMPARE(o.w.windowTitle(), u"QUORLIN - MAIN SETTINGS"_s);
            // The label greyed and the field editable, as created.
            QCOMPARE(o.confView(), u"manager | "_s + kDefaultConf);
            QCOMPARE(o.field()->palette().color(QPalette::Base), QColor(0, 255, 0));
            QVERIFY(ctl<QCheckBox>(o.w, "AlwaysOnTop_TICKBOX")->isChecked()
                && timerOf(o.main, "AlwaysOnTopTimer").isActive());
            o.click("USE_OWN_CONF_TICKBOX");
            QCOMPARE(o.confView(), u"ticked label field browse | "_s);
            o.field()->setText(u"/home/ann/own.conf"_s);
            o.click("USE_OWN_CONF_TICKBOX");
            QCOMPARE(o.confView(), u"read-only manager | "_s + kDefaultConf);
            o.click("USE_OWN_CONF_TICKBOX"); // the own file is lost: the default path shows
            QCOMPARE(o.confView(), u"ticked label field browse | "_s + kDefaultConf);

            t.fakes.dialogs.fileAnswers = { std::nullopt, u"/srv/node/picked.conf"_s };
            o.click("CONF_BROWSE_BUTTON"); // cancelled
            QCOMPARE(o.confView(), u"ticked label field browse | "_s + kDefaultConf);
            o.click("CONF_BROWSE_BUTTON");
            QCOMPARE(o.confView(), u"ticked label field browse | /srv/node/picked.conf"_s);
            const OpenFileRequest& asked = t.fakes.dialogs.fileRequests.value(0);
            QCOMPARE(QStringList({ asked.title, asked.defaultExtension, asked.initialFolder,
                                     asked.filters.value(0).caption, asked.filters.value(0).pattern,
                                     asked.filters.value(1).caption, asked.filters.value(1).pattern })
                         .join(u'|'),
                u"SELECT \".CONF\" FILE:|conf|/opt/nodes|CONF Files (*.conf)|*.conf|All files (*.*)|*.*"_s);

            o.click("AlwaysOnTop_TICKBOX"); // the main window stops its timer at once, before OK
            QVERIFY(!timerOf(o.main, "AlwaysOnTopTimer").isActive() && o.main.AlwaysOnTop_TICKBOX() == 0);
            o.click("AlwaysOnTop_TICKBOX");
            QVERIFY(timerOf(o.main, "AlwaysOnTopTimer").isActive() && o.main.AlwaysOnTop_TICKBOX() == 1);
            QCOMPARE(t.fakes.settings.writtenValues,
                QStringList({ u"USE_OWN_CONF_TICKBOX=1"_s, u"CONF_FILE_LOCATION_TEXTBOX="_s,
                    u"USE_OWN_CONF_TICKBOX=0"_s, u"CONF_FILE_LOCATION_TEXTBOX="_s + kDefaultConf,
                    u"USE_OWN_CONF_TICKBOX=1"_s, u"CONF_FILE_LOCATION_TEXTBOX="_s + kDefaultConf,
                    u"AlwaysOnTop_TICKBOX=0"_s, u"AlwaysOnTop_TICKBOX=1"_s }));
            QCOMPARE(t.fakes.settings.commits, 5);
            t.fakes.settings.commits = 0;
            o.click("OK_BUTTON");
            QCOMPARE(t.fakes.settings.commits, 1);
        }
        t.fakes.store(u"CONF_FILE_LOCATION_TEXTBOX"_s, u"/home/ann/own.conf"_s);
        const Opened own { t };
        QCOMPARE(own.confView(), u"ticked field browse | /home/ann/own.conf"_s);
        QVERIFY(own.field()->palette().color(QPalette::Base) != QColor(0, 255, 0));
    }

    // Only a stored "1" ticks a box, in every window that has tick boxes.
    void oddStoredTickStatesLoadUnticked()
    {
        for (const QString& stored : { u"2"_s, u"-1"_s }) {
            TestContext t;
            {
                const Opened firstRun { t };
                for (const QCheckBox* box : firstRun.main.findChildren<QCheckBox*>())
                    t.fakes.store(box->objectName(), stored);
            }
            const Opened opened { t };
            QStringList ticked;
            for (const QCheckBox* box : opened.main.findChildren<QCheckBox*>())
                ticked << (box->isChecked() ? box->objectName() : QString());
            QCOMPARE(ticked, QStringList(19));
        }
    }

    // Each press shows the live main window's line, not the stored one.
    void outputCommandsShowTheLiveLines()
    {
        TestContext t;
        t.fakes.store(u"KD_QT_COMMAND_TEXTBOX"_s, u"stored"_s);
        QUORLIN_MAIN main(t.context);
        QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW w(t.context, &main);
        const auto shown = [&] {
            return ctl<QLabel>(w, "COMMAND_NAME_LABEL")->text() + u'|'
                + ctl<QPlainTextEdit>(w, "ALL_COMMANDS_TEXTBOX")->toPlainText();
        };
        QCOMPARE(shown(), u"RUN COMMAND - |"_s);
        QVERIFY(ctl<QPlainTextEdit>(w, "ALL_COMMANDS_TEXTBOX")->isReadOnly());
        for (const auto& [button, command, name] :
            { std::tuple("QT_COMMAND_BUTTON", NodeText::QtCommand, "QT"),
                { "DAEMON_COMMAND_BUTTON", NodeText::DaemonCommand, "DAEMON" },
                { "CLI_STOP_COMMAND_BUTTON", NodeText::StopCommand, "CLI - STOP" } }) {
            t.context.node.setText(command, u"live "_s + QLatin1StringView(name));
            ctl<QPushButton>(w, button)->click();
            QCOMPARE(shown(), u"RUN COMMAND - %1|live %1"_s.arg(QLatin1StringView(name)));
        }
    }
};

QTEST_MAIN(TestMainSettings)
#include "test_main_settings.moc"
