#pragma once

#include <QColor>
#include <QList>
#include <QTimer>
#include <QtTest>

#include <array>

// Drives a window's five flashing timers as the clock would, by running the
// handler of the one enabled timer, so no test waits.
template <class Window> struct FlashProbe {
    Window& window;
    std::array<QTimer Window::*, 5> timers;
    std::array<void (Window::*)(), 5> handlers;

    QList<int> enabledTimers() const // numbers 1 to 5
    {
        QList<int> enabled;
        for (int i = 0; i < 5; ++i) {
            if ((window.*timers[i]).isActive())
                enabled.append(i + 1);
        }
        return enabled;
    }

    void tick()
    {
        if (const QList<int> enabled = enabledTimers(); enabled.size() == 1)
            (window.*handlers[enabled.first() - 1])();
    }
};

// The colour after so many 200 ms steps from opening (an invalid colour: the
// control's ordinary one), and the timer enabled then.
inline void addFlashSequenceRows()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("enabledTimer");

    QTest::newRow("opening") << 0 << QColor() << 1;
    QTest::newRow("200 ms green") << 1 << QColor(0, 255, 0) << 2;
    QTest::newRow("400 ms red") << 2 << QColor(255, 0, 0) << 3;
    QTest::newRow("600 ms cyan") << 3 << QColor(0, 255, 255) << 4;
    QTest::newRow("800 ms magenta") << 4 << QColor(255, 0, 255) << 5;
    QTest::newRow("1000 ms yellow") << 5 << QColor(255, 255, 0) << 1;
    QTest::newRow("1200 ms green again") << 6 << QColor(0, 255, 0) << 2;
    QTest::newRow("2600 ms cyan, third round") << 13 << QColor(0, 255, 255) << 4;
}

// Runs the rows above on a window whose flashing colour `shown` reads.
template <class Window, class Shown>
void checkFlashSequence(Window& window, FlashProbe<Window> flash, Shown shown, const QColor& ordinary)
{
    QFETCH(int, ticks);
    QFETCH(QColor, colour);
    QFETCH(int, enabledTimer);

    for (QTimer Window::*timer : flash.timers)
        QCOMPARE((window.*timer).interval(), 200);
    for (int i = 0; i < ticks; ++i) {
        flash.tick();
        QCOMPARE(flash.enabledTimers().size(), 1);
    }
    QCOMPARE(shown(), colour.isValid() ? colour : ordinary);
    QCOMPARE(flash.enabledTimers(), QList<int> { enabledTimer });
}
