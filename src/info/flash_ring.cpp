#include "flash_ring.h"

#include "core/look.h"

FlashRing::FlashRing(QObject& window, std::function<void(const QColor&)> show)
    : m_timer(new QTimer(&window))
    , m_show(std::move(show))
{
    m_timer->setObjectName(QString::fromLatin1(kTimerName));
    m_timer->setInterval(kIntervalMs);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] {
        m_show(colourFromBgr(kColoursBgr[m_next]));
        m_next = (m_next + 1) % kColoursBgr.size();
    });
}

void FlashRing::start()
{
    if (m_timer->isActive())
        return;
    m_next = 0;
    m_timer->start();
}

void FlashRing::stop()
{
    m_timer->stop();
}
