#pragma once

#include <QColor>
#include <QtGlobal>

// Positions are kept in twips, 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(double twips)
{
    return static_cast<int>(twips >= 0 ? twips / kTwipsPerPixel + 0.5 : twips / kTwipsPerPixel - 0.5);
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
