#pragma once

#include <QtGlobal>

class QLabel;

// Fills a label's background and colours its text, both 0x00BBGGRR.
void paintLabel(QLabel& label, quint32 backgroundBgr, quint32 textBgr);

// The windows' headings: green text on black.
void paintHeading(QLabel& label);
