#pragma once

#include <QColor>
#include <QTimer>

#include <array>
#include <cstddef>
#include <functional>

// The flashing of the information windows: five timers in a ring, exactly one
// of them enabled. When timer n fires it shows colour n, enables the next
// timer (after the last, the first) and disables itself, so the colours take
// turns every 200 ms and a full round takes one second.
class FlashRing {
public:
    static constexpr std::size_t kSteps = 5;
    static constexpr int kIntervalMs = 200;

    // Green, red, cyan, magenta, yellow: the colour of each timer, 0x00BBGGRR.
    static constexpr std::array<quint32, kSteps> kColoursBgr { 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF,
        0x00FFFF };

    using Timers = std::array<QTimer*, kSteps>;

    FlashRing(const Timers& timers, std::function<void(const QColor&)> show);

    // Sets every interval, first to last, and enables the first timer only.
    void start();

    // What timer `step` (0 for the first) does when it fires.
    void step(std::size_t step);

    // Disables every timer, first to last.
    void stop();

    // Enables the first timer; the others keep their state. Enabling it while
    // it runs changes nothing.
    void restart();

private:
    Timers m_timers;
    std::function<void(const QColor&)> m_show;
};
