#pragma once

#include <QCheckBox>

// A tick box state as stored: 1 ticked, 0 unticked. Any stored state other
// than 1 shows the box unticked.
inline int tickState(const QCheckBox& box)
{
    return box.isChecked() ? 1 : 0;
}

inline void setTickState(QCheckBox& box, int state)
{
    box.setChecked(state == 1);
}
