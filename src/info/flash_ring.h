#pragma once

#include <QColor>
#include <QTimer>

#include <array>
#include <cstddef>
#include <functional>

// The flashing of the information windows: one timer shows the next of five
// colours every 200 ms, green, red, cyan, magenta, yellow and round again, so
// a full round takes one second. The timer is a child of the window, named
// kTimerName.
class FlashRing {
public:
    static constexpr int kIntervalMs = 200;
    static constexpr const char* kTimerName = "FLASH_TIMER";

    // The colours in turn, 0x00BBGGRR.
    static constexpr std::array<quint32, 5> kColoursBgr { 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF };

    FlashRing(QObject& window, std::function<void(const QColor&)> show);

    // A stopped ring starts over from the first colour; a running one goes on
    // as it is, its next colour still due at its time.
    void start();
    void stop();

private:
    QTimer* m_timer;
    std::size_t m_next = 0;
    std::function<void(const QColor&)> m_show;
};
