// Rules every window keeps: Enter on a focused button, the designed font sizes,
// captions that fit their controls, and what closing stores.
#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "core/look.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "crypto_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "info/QUORLIN_ABOUT.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_MAIN.h"
#include "node_control/QUORLIN_NODE_STATUS.h"

#include "core/wrapping_button.h"
#include "core/wrapping_tick_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Settings stored before any window opens, as "key=value".
struct Stored {
    TestContext t;
    explicit Stored(const QStringList& pairs)
    {
        for (const QString& pair : pairs)
            t.fakes.store(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    }
};

// One window of the program with the windows it is opened from, none shown.
struct Opened : Stored {
    QUORLIN_MAIN main { t.context };
    std::unique_ptr<QUORLIN_MAIN_SETTINGS> mainSettings;
    std::unique_ptr<QUORLIN_CONF_GENERATOR_MAIN> confGenerator;
    std::unique_ptr<FormWindow> owned;
    QDialog* window = &main;

    explicit Opened(const QString& name, const QStringList& stored = {})
        : Stored(stored)
    {
        const auto is = [&](const char* wanted) { return name == QLatin1StringView(wanted); };
        if (is("QUORLIN_NODE_STATUS")) // deletes itself as it closes
            window = new QUORLIN_NODE_STATUS(
                t.context, { [] { return u"Litecoin"_s; }, [] { return QString(); } }, &main);
        if (is("QUORLIN_MAIN") || is("QUORLIN_NODE_STATUS"))
            return;
        mainSettings = std::make_unique<QUORLIN_MAIN_SETTINGS>(t.context, &main);
        if (name.startsWith(u"QUORLIN_CONF_GENERATOR"))
            confGenerator = std::make_unique<QUORLIN_CONF_GENERATOR_MAIN>(t.context, mainSettings.get());
        if (is("QUORLIN_CRYPTO_SETTINGS"))
            owned.reset(new QUORLIN_CRYPTO_SETTINGS(t.context, QString(), mainSettings.get()));
        if (is("QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW"))
            owned.reset(new QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW(t.context, mainSettings.get()));
        if (is("QUORLIN_CONF_GENERATOR_IDS"))
            owned.reset(new QUORLIN_CONF_GENERATOR_IDS(t.context, *confGenerator));
        if (is("QUORLIN_CONF_GENERATOR_TEST_RPC"))
            owned.reset(new QUORLIN_CONF_GENERATOR_TEST_RPC(t.context, *confGenerator));
        if (is("QUORLIN_ABOUT"))
            owned.reset(new QUORLIN_ABOUT(t.context, mainSettings.get()));
        if (is("TOVEK88_KALDERA_DONATIONS_WINDOW"))
            owned.reset(new TOVEK88_KALDERA_DONATIONS_WINDOW(t.context, mainSettings.get()));
        window = owned      ? owned.get()
            : confGenerator ? static_cast<QDialog*>(confGenerator.get())
                            : mainSettings.get();
    }

    QDialog& shown()
    {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("window not active");
        return *window;
    }
};

// Every window (the row's name), with the button that Enter presses where the focus is on no
// button, and the captions cut on purpose: the conf generator's Ctrl+Enter
// hint keeps its designed width and is cut at its end.
void everyWindow()
{
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QStringList>("cut");
    for (const auto& [name, defaultButton] :
        { std::pair("QUORLIN_MAIN", "EXIT_BUTTON"), { "QUORLIN_MAIN_SETTINGS", "OK_BUTTON" },
            { "QUORLIN_CRYPTO_SETTINGS", "CANCEL_BUTTON" }, { "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW", "" },
            { "QUORLIN_CONF_GENERATOR_MAIN", "SAVE_BUTTON" },
            { "QUORLIN_CONF_GENERATOR_IDS", "CANCEL_BUTTON" },
            { "QUORLIN_CONF_GENERATOR_TEST_RPC", "CANCEL_BUTTON" }, { "QUORLIN_ABOUT", "" },
            { "TOVEK88_KALDERA_DONATIONS_WINDOW", "OK_BUTTON" } })
        QTest::newRow(name) << QString::fromLatin1(defaultButton)
                            << (qstrcmp(name, "QUORLIN_CONF_GENERATOR_MAIN") == 0
                                       ? QStringList { u"Label3"_s }
                                       : QStringList {});
}

// Whether a caption needs more room than its control gives it.
bool captionCut(const QWidget& control)
{
    const QFontMetrics metrics = control.fontMetrics();
    const auto needs = [&](const QString& text, const QRect& room, int flags) {
        const QRect used
            = metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 10000)), flags, text);
        return used.width() > room.width() || used.height() > room.height();
    };
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return !label->wordWrap() && needs(label->text(), label->contentsRect(), 0);
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if (!button || button->text().isEmpty())
        return false;
    if (const auto* box = qobject_cast<const QCheckBox*>(button)) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        return needs(box->text(), room, qobject_cast<const WrappingTickBox*>(box) ? Qt::TextWordWrap : 0);
    }
    // Push buttons draw their caption inside the frame; wrapping ones in a
    // 3-pixel margin.
    if (qobject_cast<const WrappingButton*>(button))
        return needs(button->text(), button->rect().adjusted(3, 3, -3, -3), Qt::TextWordWrap);
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return needs(button->text(), button->rect().adjusted(frame, frame, -frame, -frame), 0);
}

} // namespace

class TestEveryWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { substituteMissingFonts(); }

    void enterPressesTheFocusedButton_data() { everyWindow(); }

    // Each control that Tab reaches, then Enter: a button presses itself; any
    // other control presses the window's default button, or nothing without one.
    void enterPressesTheFocusedButton()
    {
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QFETCH(QString, defaultButton);
        QStringList stops; // the controls that Tab reaches, in Tab order, from the first focus on
        {
            Opened opened(name);
            QDialog& window = opened.shown();
            for (QWidget* focus = window.focusWidget(); focus && !stops.contains(focus->objectName());
                 focus = window.focusWidget()) {
                stops.append(focus->objectName());
                QTest::keyClick(focus, Qt::Key_Tab);
            }
        }
        QVERIFY(stops.size() > 1);
        for (const QString& stop : stops) {
            Opened opened(name);
            QDialog& window = opened.shown();
            while (window.focusWidget()->objectName() != stop)
                QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            QStringList pressed;
            for (QPushButton* button : window.findChildren<QPushButton*>())
                connect(button, &QPushButton::clicked, this,
                    [&pressed, button] { pressed.append(button->objectName()); });
            QTimer closer; // closes whatever modal window a handler opens over this one
            connect(&closer, &QTimer::timeout, this, [&window] {
                if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &window)
                    modal->close();
            });
            closer.start(20);
            QTest::keyClick(window.focusWidget(), Qt::Key_Return);
            const bool onButton = qobject_cast<QPushButton*>(window.findChild<QWidget*>(stop));
            const QString expected = onButton ? stop : defaultButton;
            QVERIFY2(pressed == (expected.isEmpty() ? QStringList {} : QStringList { expected }),
                qPrintable(stop + u" pressed "_s + pressed.join(u',')));
        }
    }

    // Every caption shows whole, but those cut on purpose.
    void captionsFit_data() { everyWindow(); }

    void captionsFit()
    {
        Opened opened(QString::fromLatin1(QTest::currentDataTag()));
        QDialog& window = opened.shown();
        QStringList cut;
        for (const QWidget* control : window.findChildren<QWidget*>())
            if (control->window() == &window && captionCut(*control))
                cut.append(control->objectName());
        QTEST(cut, "cut");
    }

    // How each window closes ("<window> <button clicked, Esc or close box>")
    // and what it stores, in order, from the settings stored before it opens.
    // It opens at its default place, 1000 twips (67 pixels) from the corner,
    // and is moved to (140, 90) pixels: 2100, 1350 twips.
    void closingStoresItsKeys_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("written");
        const auto at = [](const QString& prefix) {
            return QStringList { prefix + u"Left=2100"_s, prefix + u"Top=1350"_s };
        };
        // Exit stores, then the unload step stores the same again.
        const QStringList mainOn = at(u"MAIN_"_s) << u"AlwaysOnTop_TICKBOX=1"_s;
        QTest::newRow("QUORLIN_MAIN EXIT_BUTTON") << QStringList() << mainOn + mainOn;
        QTest::newRow("QUORLIN_MAIN close box")
            << QStringList { u"AlwaysOnTop_TICKBOX=0"_s } << (at(u"MAIN_"_s) << u"AlwaysOnTop_TICKBOX=0"_s);
        QTest::newRow("QUORLIN_MAIN Esc") << QStringList() << QStringList(); // closes nothing
        // The choices are stored again however the window closes; OK stores them first.
        const QStringList choices { u"USE_OWN_CONF_TICKBOX=1"_s,
            u"CONF_FILE_LOCATION_TEXTBOX=/srv/own.conf"_s, u"AlwaysOnTop_TICKBOX=0"_s };
        const QStringList unload = at(u"MAIN_SETTINGS-"_s) + choices;
        QTest::newRow("QUORLIN_MAIN_SETTINGS OK_BUTTON") << choices << choices + unload;
        QTest::newRow("QUORLIN_MAIN_SETTINGS Esc") << choices << unload;
        QTest::newRow("QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW OK_BUTTON")
            << QStringList() << at(u"SINGLE_OUTPUT_COMMANDS_WINDOW-"_s);
        QTest::newRow("QUORLIN_CONF_GENERATOR_MAIN CANCEL_BUTTON") << QStringList() << at(u"MAIN-"_s);
        QTest::newRow("QUORLIN_CONF_GENERATOR_IDS CANCEL_BUTTON")
            << QStringList() << at(u"IDS-"_s) + at(u"IDS-"_s);
        QTest::newRow("QUORLIN_CONF_GENERATOR_TEST_RPC CANCEL_BUTTON")
            << QStringList() << at(u"TEST-RPC-CREDENTIALS-"_s) + at(u"TEST-RPC-CREDENTIALS-"_s);
        QTest::newRow("QUORLIN_ABOUT OK_BUTTON") << QStringList() << at(u"ABOUT_"_s) + at(u"ABOUT_"_s);
        QTest::newRow("TOVEK88_KALDERA_DONATIONS_WINDOW OK_BUTTON")
            << QStringList() << at(u"DONATIONS_WINDOW-"_s) + at(u"DONATIONS_WINDOW-"_s);
        QTest::newRow("TOVEK88_KALDERA_DONATIONS_WINDOW close box")
            << QStringList() << at(u"DONATIONS_WINDOW-"_s);
        QTest::newRow("QUORLIN_NODE_STATUS Esc") << QStringList() << at(u"NODE_STATUS-"_s);
    }

    void closingStoresItsKeys()
    {
        const QString name = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 0, 0);
        const QString closedBy = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 1);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, written);
        Opened opened(name, stored);
        QDialog& window = opened.shown();
        // Each opens at its stored place; one made to fit the screen starts at its left edge.
        const QRect area = window.screen()->availableGeometry();
        QCOMPARE(window.pos(), QPoint(window.width() + 6 < area.width() ? 67 : area.left(), 67));
        window.move(140, 90);
        opened.t.fakes.settings.writtenValues.clear();
        if (closedBy == u"Esc")
            QTest::keyClick(window.focusWidget(), Qt::Key_Escape);
        else if (closedBy == u"close box")
            QVERIFY(window.close());
        else
            QTest::mouseClick(ctl<QPushButton>(window, qPrintable(closedBy)), Qt::LeftButton);
        QCOMPARE(opened.t.fakes.settings.writtenValues, written);
        QCOMPARE(window.isVisible(), written.isEmpty());
        // The main window's watcher stops with it.
        QCOMPARE(
            opened.main.MULTI_PROCESS_WATCHER_TIMER.isActive(), name != u"QUORLIN_MAIN" || written.isEmpty());
    }

    // Controls with the point sizes the forms cannot hold.
    void designedFontSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("control");
        QTest::addColumn<qreal>("size");
        QTest::newRow("8.25") << u"QUORLIN_MAIN"_s << u"QT_START_BUTTON"_s << 8.25;
        QTest::newRow("9.75") << u"QUORLIN_CONF_GENERATOR_MAIN"_s << u"Label3"_s << 9.75;
        QTest::newRow("11.25") << u"QUORLIN_CONF_GENERATOR_TEST_RPC"_s << u"RED_TEST_WARNING_LABEL"_s
                               << 11.25;
        QTest::newRow("12") << u"QUORLIN_ABOUT"_s << u"KD_TITLE_1"_s << 12.0;
        QTest::newRow("13.5") << u"TOVEK88_KALDERA_DONATIONS_WINDOW"_s << u"KD_TITLE_TEXTBOX"_s << 13.5;
        QTest::newRow("14.25") << u"TOVEK88_KALDERA_DONATIONS_WINDOW"_s << u"KD_WEBSITE_TEXTBOX"_s << 14.25;
    }

    void designedFontSizes()
    {
        QFETCH(QString, name);
        QFETCH(QString, control);
        Opened opened(name);
        QTEST(ctl(opened.shown(), qPrintable(control))->font().pointSizeF(), "size");
    }
};

QTEST_MAIN(TestEveryWindow)
#include "test_every_window.moc"
