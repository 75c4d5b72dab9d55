#pragma once

#include <QTimer>

// Enables or disables a timer. Enabling a running timer changes nothing: its
// next tick stays where it was.
inline void setTimerEnabled(QTimer& timer, bool enabled)
{
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}
