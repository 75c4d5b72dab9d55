#pragma once

#include <QColor>
#include <QList>
#include <QTimer>
#include <QtTest>

#include <array>

// Drives a window's five flashing timers the way the clock would, by running
// the handler of the one timer that is enabled, so no test waits.
template <class Window> struct FlashProbe {
    Window& window;
    std::array<QTimer Window::*, 5> timers;
    std::array<void (Window::*)(), 5> handlers;

    // The numbers (1 to 5) of the enabled timers.
    QList<int> enabledTimers() const
    {
        QList<int> enabled;
        for (int i = 0; i < 5; ++i) {
            if ((window.*timers[i]).isActive())
                enabled.append(i + 1);
        }
        return enabled;
    }

    // One 200 ms step: the enabled timer fires. Does nothing when none is.
    void tick()
    {
        const QList<int> enabled = enabledTimers();
        if (enabled.size() == 1)
            (window.*handlers[enabled.first() - 1])();
    }
};

// Rows for "the colour after so many steps", from the moment of opening.
inline void addFlashSequenceRows()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("enabledTimer");

    QTest::newRow("200 ms green") << 1 << QColor(0, 255, 0) << 2;
    QTest::newRow("400 ms red") << 2 << QColor(255, 0, 0) << 3;
    QTest::newRow("600 ms cyan") << 3 << QColor(0, 255, 255) << 4;
    QTest::newRow("800 ms magenta") << 4 << QColor(255, 0, 255) << 5;
    QTest::newRow("1000 ms yellow") << 5 << QColor(255, 255, 0) << 1;
    QTest::newRow("1200 ms green again") << 6 << QColor(0, 255, 0) << 2;
    QTest::newRow("2600 ms cyan, third round") << 13 << QColor(0, 255, 255) << 4;
}
