// Rules every window keeps: Enter on a focused button, captions that fit their controls at
// the designed font sizes, and what closing stores.
#include "core/look.h"
#include "fakes/every_window_rig.h"

#include "core/wrapping_button.h"
#include "core/wrapping_tick_box.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Every window (the row's name), with the button that Enter presses where the focus is on no button
// and the windows its buttons open, by button name.
void everyWindow()
{
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QString>("opens");
    for (const auto& [name, defaultButton, opens] :
        { std::tuple("QUORLIN_MAIN", "EXIT_BUTTON", "SETTINGS_BUTTON>QUORLIN_MAIN_SETTINGS"),
            { "QUORLIN_MAIN_SETTINGS", "OK_BUTTON",
                "ABOUT_BUTTON>QUORLIN_ABOUT CONF_MANAGER_BUTTON>QUORLIN_CONF_GENERATOR_MAIN "
                "CRYPTO_SETTINGS_BUTTON>QUORLIN_CRYPTO_SETTINGS "
                "VIEW_OUTPUT_COMMANDS_BUTTON>QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW" },
            { "QUORLIN_CRYPTO_SETTINGS", "CANCEL_BUTTON",
                "VIEW_OUTPUT_COMMANDS_BUTTON>QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW" },
            { "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW", "", "" },
            { "QUORLIN_CONF_GENERATOR_MAIN", "SAVE_BUTTON",
                "IDS_BUTTON>QUORLIN_CONF_GENERATOR_IDS "
                "KD_RPC_TEST_CREDENTIALS_BUTTON>QUORLIN_CONF_GENERATOR_TEST_RPC" },
            { "QUORLIN_CONF_GENERATOR_IDS", "CANCEL_BUTTON", "" },
            { "QUORLIN_CONF_GENERATOR_TEST_RPC", "CANCEL_BUTTON", "" },
            { "QUORLIN_ABOUT", "", "DONATIONS_BUTTON>TOVEK88_KALDERA_DONATIONS_WINDOW" },
            { "TOVEK88_KALDERA_DONATIONS_WINDOW", "OK_BUTTON", "" } })
        QTest::newRow(name) << QString::fromLatin1(defaultButton) << QString::fromLatin1(opens);
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
    // Push buttons draw their caption inside the frame; wrapping ones in a 3-pixel margin.
    if (qobject_cast<const WrappingButton*>(button))
        return needs(button->text(), button->rect().adjusted(3, 3, -3, -3), Qt::TextWordWrap);
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return needs(button->text(), button->rect().adjusted(frame, frame, -frame, -frame), 0);
}

} // namespace

class TestEveryWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyLook(); }

    void enterPressesTheFocusedButton_data() { everyWindow(); }

    // Each control that Tab reaches, then Enter: a button presses itself; any other control presses
    // the window's default button, or nothing without one. A button's window opens modal over this one.
    void enterPressesTheFocusedButton()
    {
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QFETCH(QString, defaultButton);
        QStringList stops; // the controls that Tab reaches, in Tab order, from the first focus on
        QStringList windows; // "<stop>><window class>" for each window a press opens
        for (;;) {
            EveryWindowRig opened(name);
            QDialog& window = opened.shown();
            for (int tab = 0; tab < stops.size(); ++tab)
                QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            const QString stop = window.focusWidget()->objectName();
            if (stops.contains(stop))
                break;
            stops.append(stop);
            QStringList pressed;
            for (QPushButton* button : window.findChildren<QPushButton*>())
                connect(button, &QPushButton::clicked, this,
                    [&pressed, button] { pressed.append(button->objectName()); });
            QTimer closer; // notes and closes whatever modal window a handler opens
            connect(&closer, &QTimer::timeout, this, [&] {
                if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &window) {
                    windows << stop + u'>' + QString::fromLatin1(modal->metaObject()->className())
                            + (modal->parentWidget() == &window ? u""_s : u" elsewhere"_s);
                    modal->close();
                }
            });
            closer.start(20);
            QTest::keyClick(window.focusWidget(), Qt::Key_Return);
            const bool onButton = qobject_cast<QPushButton*>(window.findChild<QWidget*>(stop));
            QCOMPARE(stop + u" pressed "_s + pressed.join(u','),
                stop + u" pressed "_s + (onButton ? stop : defaultButton));
        }
        QVERIFY(stops.size() > 1);
        windows.sort();
        QTEST(windows.join(u' '), "opens");
    }

    // Every caption shows whole, but the conf generator's Ctrl+Enter hint: it keeps its designed
    // width and is cut at its end.
    void captionsFit_data() { everyWindow(); }

    void captionsFit()
    {
        EveryWindowRig opened(QString::fromLatin1(QTest::currentDataTag()));
        QDialog& window = opened.shown();
        QStringList cut;
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            if (control->window() == &window && captionCut(*control))
                cut.append(control->objectName());
            // The designed fractional point sizes, which the forms cannot hold, take effect.
            if (const QVariant size = control->property("pointSizeF"); size.isValid())
                QCOMPARE(control->font().pointSizeF(), size.toDouble());
        }
        QCOMPARE(cut, opened.window == &opened.confGenerator ? QStringList { u"Label3"_s } : QStringList());
    }

    // How each window closes ("<window> <button clicked, Esc or close box>") and what it stores, in
    // order, from the settings stored before it opens. It opens at its default place, 1000 twips
    // (67 pixels) from the corner, and is moved to (140, 90) pixels: 2100, 1350 twips.
    void closingStoresItsKeys_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("written");
        const auto at = [](const QString& prefix, int times = 1) { // the place, stored so often
            QStringList place;
            while (times--)
                place << prefix + u"Left=2100"_s << prefix + u"Top=1350"_s;
            return place;
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
        // The others store only their place: twice where the button stores it before the unload step.
        for (const auto& [row, prefix, times] :
            { std::tuple(
                  "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW OK_BUTTON", u"SINGLE_OUTPUT_COMMANDS_WINDOW-"_s, 1),
                { "QUORLIN_CRYPTO_SETTINGS CANCEL_BUTTON", u"CRYPTO_SETTINGS-"_s, 1 },
                { "QUORLIN_CRYPTO_SETTINGS Esc", u"CRYPTO_SETTINGS-"_s, 1 },
                { "QUORLIN_CRYPTO_SETTINGS close box", u"CRYPTO_SETTINGS-"_s, 1 },
                { "QUORLIN_CONF_GENERATOR_MAIN CANCEL_BUTTON", u"MAIN-"_s, 1 },
                { "QUORLIN_CONF_GENERATOR_IDS CANCEL_BUTTON", u"IDS-"_s, 2 },
                { "QUORLIN_CONF_GENERATOR_TEST_RPC CANCEL_BUTTON", u"TEST-RPC-CREDENTIALS-"_s, 2 },
                { "QUORLIN_ABOUT OK_BUTTON", u"ABOUT_"_s, 2 },
                { "TOVEK88_KALDERA_DONATIONS_WINDOW OK_BUTTON", u"DONATIONS_WINDOW-"_s, 2 },
                { "TOVEK88_KALDERA_DONATIONS_WINDOW close box", u"DONATIONS_WINDOW-"_s, 1 },
                { "QUORLIN_NODE_STATUS Esc", u"NODE_STATUS-"_s, 1 },
                { "QUORLIN_CONF_CHECK_NOTE CLOSE_BUTTON", u"CONF_CHECK_NOTE-"_s, 1 } })
            QTest::newRow(row) << QStringList() << at(prefix, times);
    }

    void closingStoresItsKeys()
    {
        const QString name = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 0, 0);
        const QString closedBy = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 1);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, written);
        EveryWindowRig opened(name, stored);
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
        QCOMPARE(timerOf(opened.main, "MULTI_PROCESS_WATCHER_TIMER").isActive(),
            name != u"QUORLIN_MAIN" || written.isEmpty());
    }
};

QTEST_MAIN(TestEveryWindow)
#include "test_every_window.moc"
