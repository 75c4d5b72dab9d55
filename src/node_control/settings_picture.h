#pragma once

#include <QPixmap>

// The picture of the main window's settings button, 99 by 37 pixels: the word
// KALDERA above a green rule above the word QUORLIN, green on black.
QPixmap settingsButtonPicture();
