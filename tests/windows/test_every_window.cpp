// Rules every window keeps: Enter on a focused button, the designed font sizes,
// captions that fit their controls.
#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "core/look.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "crypto_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "fakes/fake_platform.h"
#include "info/QUORLIN_ABOUT.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_MAIN.h"

#include "core/wrapping_button.h"
#include "core/wrapping_tick_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// One window of the program with the windows it is opened from, none shown.
struct Opened {
    TestContext t;
    QUORLIN_MAIN main { t.context };
    std::unique_ptr<QUORLIN_MAIN_SETTINGS> mainSettings;
    std::unique_ptr<QUORLIN_CONF_GENERATOR_MAIN> confGenerator;
    std::unique_ptr<FormWindow> window;

    explicit Opened(const QString& name)
    {
        if (name == u"QUORLIN_MAIN")
            return;
        mainSettings = std::make_unique<QUORLIN_MAIN_SETTINGS>(t.context, &main);
        if (name.startsWith(u"QUORLIN_CONF_GENERATOR"))
            confGenerator = std::make_unique<QUORLIN_CONF_GENERATOR_MAIN>(t.context, mainSettings.get());
        const std::map<QString, std::function<FormWindow*()>> windows {
            { u"QUORLIN_CRYPTO_SETTINGS"_s,
                [&] { return new QUORLIN_CRYPTO_SETTINGS(t.context, QString(), mainSettings.get()); } },
            { u"QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW"_s,
                [&] { return new QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW(t.context, mainSettings.get()); } },
            { u"QUORLIN_CONF_GENERATOR_IDS"_s,
                [&] { return new QUORLIN_CONF_GENERATOR_IDS(t.context, *confGenerator); } },
            { u"QUORLIN_CONF_GENERATOR_TEST_RPC"_s,
                [&] { return new QUORLIN_CONF_GENERATOR_TEST_RPC(t.context, *confGenerator); } },
            { u"QUORLIN_ABOUT"_s, [&] { return new QUORLIN_ABOUT(t.context, mainSettings.get()); } },
            { u"TOVEK88_KALDERA_DONATIONS_WINDOW"_s,
                [&] { return new TOVEK88_KALDERA_DONATIONS_WINDOW(t.context, mainSettings.get()); } },
        };
        if (name != u"QUORLIN_MAIN_SETTINGS" && name != u"QUORLIN_CONF_GENERATOR_MAIN")
            window.reset(windows.at(name)());
    }

    QDialog& shown()
    {
        QDialog& w = window ? *window
            : confGenerator ? static_cast<QDialog&>(*confGenerator)
            : mainSettings  ? static_cast<QDialog&>(*mainSettings)
                            : main;
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("window not active");
        return w;
    }
};

// Every window, with the button that Enter presses where the focus is on no button.
const std::pair<const char*, const char*> kWindows[] = { { "QUORLIN_MAIN", "EXIT_BUTTON" },
    { "QUORLIN_MAIN_SETTINGS", "OK_BUTTON" }, { "QUORLIN_CRYPTO_SETTINGS", "CANCEL_BUTTON" },
    { "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW", "" }, { "QUORLIN_CONF_GENERATOR_MAIN", "SAVE_BUTTON" },
    { "QUORLIN_CONF_GENERATOR_IDS", "CANCEL_BUTTON" }, { "QUORLIN_CONF_GENERATOR_TEST_RPC", "CANCEL_BUTTON" },
    { "QUORLIN_ABOUT", "" }, { "TOVEK88_KALDERA_DONATIONS_WINDOW", "OK_BUTTON" } };

// The controls that Tab reaches, in Tab order, from the first focus on.
QList<QWidget*> tabOrder(QDialog& window)
{
    QList<QWidget*> order;
    for (QWidget* focus = window.focusWidget(); focus && !order.contains(focus);
         focus = window.focusWidget()) {
        order.append(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return order;
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

// Closes whatever modal window a handler opens over the window under test.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(QWidget& under)
        : m_under(under)
    {
        startTimer(20);
    }

protected:
    void timerEvent(QTimerEvent*) override
    {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &m_under)
            modal->close();
    }

private:
    QWidget& m_under;
};

} // namespace

class TestEveryWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { substituteMissingFonts(); }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("defaultButton");
        for (const auto& [name, defaultButton] : kWindows)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(defaultButton);
    }

    // Each control that Tab reaches, then Enter: a button presses itself; any
    // other control presses the window's default button, or nothing without one.
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, name);
        QFETCH(QString, defaultButton);
        QStringList stops;
        {
            Opened opened(name);
            for (const QWidget* control : tabOrder(opened.shown()))
                stops.append(control->objectName());
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
            ModalCloser closer(window);
            QTest::keyClick(window.focusWidget(), Qt::Key_Return);
            const bool onButton = qobject_cast<QPushButton*>(window.findChild<QWidget*>(stop));
            const QString expected = onButton ? stop : defaultButton;
            QVERIFY2(pressed == (expected.isEmpty() ? QStringList {} : QStringList { expected }),
                qPrintable(stop + u" pressed "_s + pressed.join(u',')));
        }
    }

    // Every caption shows whole; the conf generator's Ctrl+Enter hint keeps its
    // designed width and is cut at its end.
    void captionsFit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("cut");
        for (const auto& [name, defaultButton] : kWindows)
            QTest::newRow(name) << QString::fromLatin1(name)
                                << (qstrcmp(name, "QUORLIN_CONF_GENERATOR_MAIN") == 0
                                           ? QStringList { u"Label3"_s }
                                           : QStringList {});
    }

    void captionsFit()
    {
        QFETCH(QString, name);
        Opened opened(name);
        QDialog& window = opened.shown();
        QStringList cut;
        for (const QWidget* control : window.findChildren<QWidget*>())
            if (control->window() == &window && captionCut(*control))
                cut.append(control->objectName());
        QTEST(cut, "cut");
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
        const QWidget* widget = opened.shown().findChild<QWidget*>(control);
        QVERIFY(widget);
        QTEST(widget->font().pointSizeF(), "size");
    }
};

QTEST_MAIN(TestEveryWindow)
#include "test_every_window.moc"
