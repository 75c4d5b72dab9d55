#pragma once

#include <QColor>
#include <QtGlobal>

class QWidget;

// Further colours of the windows, 0x00BBGGRR (the basic ones are in look.h).
constexpr quint32 kLightMagentaBgr = 0xFF80FF;
constexpr quint32 kLightYellowBgr = 0xC0FFFF;
constexpr quint32 kLightGreenBgr = 0x80FF80;
constexpr quint32 kLightCyanBgr = 0xFFFFC0;
constexpr quint32 kMagentaBgr = 0xFF00FF;

// The text colour of a label or a text box.
void setTextColour(QWidget& control, const QColor& colour);
QColor textColour(const QWidget& control);

// The background colour of a label, a text box or a button. A label gets a
// filled background; a text box's own field colour changes; a button's face.
void setBackColour(QWidget& control, const QColor& colour);

// Both colours at once, given as 0x00BBGGRR.
void paintControl(QWidget& control, quint32 textBgr, quint32 backBgr);

// The windows' headings: green text on black.
void paintHeading(QWidget& heading);
