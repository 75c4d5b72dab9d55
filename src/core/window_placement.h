#pragma once

#include "settings/settings_store.h"

#include <QString>

class QWidget;

// The four geometry keys of a window and their defaults, in twips.
struct WindowGeometryKeys {
    QString prefix; // "MAIN", "MAIN_SETTINGS", ...
    QChar separator; // "_" or "-": the keys are prefix, separator, field
    float defaultLeft;
    float defaultTop;
    float defaultWidth;
    float defaultHeight;

    QString left() const { return prefix + separator + QStringLiteral("Left"); }
    QString top() const { return prefix + separator + QStringLiteral("Top"); }
    QString width() const { return prefix + separator + QStringLiteral("Width"); }
    QString height() const { return prefix + separator + QStringLiteral("Height"); }
};

// The program's windows and their keys.
namespace geometry {
extern const WindowGeometryKeys kMain;
extern const WindowGeometryKeys kMainSettings;
extern const WindowGeometryKeys kOutputCommands;
extern const WindowGeometryKeys kCryptoSettings;
extern const WindowGeometryKeys kConfGenerator;
extern const WindowGeometryKeys kCoinPresets;
extern const WindowGeometryKeys kRpcTestCredentials;
extern const WindowGeometryKeys kAbout;
extern const WindowGeometryKeys kDonations;
extern const WindowGeometryKeys kNodeStatus;
extern const WindowGeometryKeys kConfCheckNote;
} // namespace geometry

// Reads Left, Top, Width and Height in this order and places the window's
// outer frame there. A frame larger than the available area of the screen it
// opens on is made to fit it, and a position that would leave the window off
// every screen is moved onto the nearest one; the stored values stay as they
// are.
void restorePlacement(QWidget& window, const SettingsStore& store, const WindowGeometryKeys& keys);

// Stores Left, then Top, of the window's outer frame. Width and Height are
// never stored.
void savePosition(const QWidget& window, SettingsStore& store, const WindowGeometryKeys& keys);
