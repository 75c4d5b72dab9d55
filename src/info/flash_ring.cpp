#include "flash_ring.h"

#include "core/look.h"
#include "core/timer_switch.h"

FlashRing::FlashRing(const Timers& timers, std::function<void(const QColor&)> show)
    : m_timers(timers)
    , m_show(std::move(show))
{
}

void FlashRing::start()
{
    for (QTimer* timer : m_timers)
        timer->setInterval(kIntervalMs);
    for (std::size_t i = 0; i < kSteps; ++i)
        setTimerEnabled(*m_timers[i], i == 0);
}

void FlashRing::step(std::size_t step)
{
    m_show(colourFromBgr(kColoursBgr[step]));
    setTimerEnabled(*m_timers[(step + 1) % kSteps], true);
    setTimerEnabled(*m_timers[step], false);
}

void FlashRing::stop()
{
    for (QTimer* timer : m_timers)
        setTimerEnabled(*timer, false);
}

void FlashRing::restart()
{
    setTimerEnabled(*m_timers[0], true);
}
