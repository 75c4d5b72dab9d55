#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QtGlobal>

#include <algorithm>

// Positions are kept in twips, 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

// Pixel values are kept within Qt's largest widget size, far beyond any
// screen, so that a hand-edited stored value cannot overflow the window
// arithmetic; a value that is not a number gives 0.
constexpr double kMaxPixels = 16777215;

constexpr int twipsToPixels(double twips)
{
    if (twips != twips)
        return 0;
    const double pixels = std::clamp(twips / kTwipsPerPixel, -kMaxPixels, kMaxPixels);
    return static_cast<int>(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

constexpr float pixelsToTwips(int pixels)
{
    return static_cast<float>(pixels * kTwipsPerPixel);
}

// Colours are written 0x00BBGGRR, as the stored and designed values are.
constexpr QRgb bgrToRgb(quint32 bgr)
{
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
        static_cast<int>((bgr >> 16) & 0xFF));
}

inline QColor colourFromBgr(quint32 bgr)
{
    return QColor::fromRgb(bgrToRgb(bgr));
}

constexpr quint32 kGreenBgr = 65280; // 0x00FF00
constexpr quint32 kRedBgr = 255; // 0x0000FF
constexpr quint32 kBlackBgr = 0;

// The look of every window, the same on every system. The Fusion style paints
// a button in the colour its form or its state gives it (green for the chosen
// credentials set, the settings picture's face); Windows' own styles draw themed
// buttons and ignore those colours.
// Forms ask for the classic dialog font and for Arial; where one is missing, a
// narrow sans keeps their captions inside their controls. Windows has both;
// fontconfig matches Arial to Liberation Sans, its metric twin, but Qt's own
// font database (the offscreen platform on Windows) matches nothing and would
// take the first family it holds.
inline void applyLook()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
