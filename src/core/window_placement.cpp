#include "window_placement.h"

#include "look.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace geometry {
const WindowGeometryKeys kMain { QStringLiteral("MAIN"), u'_', 1000, 1000, 3960, 1725 };
const WindowGeometryKeys kMainSettings { QStringLiteral("MAIN_SETTINGS"), u'-', 1000, 1000, 9735, 3465 };
const WindowGeometryKeys kOutputCommands { QStringLiteral("SINGLE_OUTPUT_COMMANDS_WINDOW"), u'-', 1000, 1000,
    7995, 4440 };
const WindowGeometryKeys kCryptoSettings { QStringLiteral("CRYPTO_SETTINGS"), u'-', 1000, 1000, 8895, 6735 };
const WindowGeometryKeys kConfGenerator { QStringLiteral("MAIN"), u'-', 1000, 1000, 13785, 7965 };
const WindowGeometryKeys kCoinPresets { QStringLiteral("IDS"), u'-', 1000, 1000, 6870, 3180 };
const WindowGeometryKeys kRpcTestCredentials { QStringLiteral("TEST-RPC-CREDENTIALS"), u'-', 1000, 1000, 7920,
    6690 };
const WindowGeometryKeys kAbout { QStringLiteral("ABOUT"), u'_', 1000, 1000, 9345, 2940 };
const WindowGeometryKeys kDonations { QStringLiteral("DONATIONS_WINDOW"), u'-', 1000, 1000, 8880, 6330 };
const WindowGeometryKeys kNodeStatus { QStringLiteral("NODE_STATUS"), u'-', 1000, 1000, 7200, 5625 };
const WindowGeometryKeys kConfCheckNote { QStringLiteral("CONF_CHECK_NOTE"), u'-', 1000, 1000, 7200, 3600 };
} // namespace geometry

namespace {

// Before a window is shown its frame is unknown; the border and title bar of a
// standard frame at 96 dpi stand in for it.
constexpr QSize kStandardFrameExtra { 6, 25 };

QSize frameExtra(const QWidget& window)
{
    const QSize extra = window.frameGeometry().size() - window.size();
    return window.isVisible() && !extra.isEmpty() ? extra : kStandardFrameExtra;
}

// The available area of the screen a frame opens on: the first screen it
// meets, otherwise the one nearest to it.
QRect openingArea(const QRect& frame)
{
    QRect nearest;
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        if (area.intersects(frame))
            return area;
        const QPoint d = area.center() - frame.center();
        const qint64 distance = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = area;
        }
    }
    return nearest;
}

// Keeps a window reachable after a change of screens, and paintable: a frame
// larger than the area of its screen is made to fit into it, and one that
// meets no screen is moved into the area of the nearest.
QRect fittedFrame(QRect frame)
{
    const QRect area = openingArea(frame);
    if (area.isNull())
        return frame;
    const QSize fitting = frame.size().boundedTo(area.size());
    if (fitting == frame.size() && area.intersects(frame))
        return frame;
    frame.setSize(fitting);
    const int x
        = std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() - frame.width() + 1));
    const int y
        = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - frame.height() + 1));
    frame.moveTopLeft({ x, y });
    return frame;
}

// What placement at load applied, kept on the window: a window saved where it
// was placed stores the twips it was placed from, not the rounded pixels.
constexpr char kPlacedPixels[] = "quorlinPlacedPixels";
constexpr char kPlacedTwips[] = "quorlinPlacedTwips";

float savedTwips(int pixels, int placedPixels, double placedTwips)
{
    return pixels == placedPixels ? static_cast<float>(placedTwips) : pixelsToTwips(pixels);
}

} // namespace

void restorePlacement(QWidget& window, const SettingsStore& store, const WindowGeometryKeys& keys)
{
    const float leftTwips = store.readGeometry(keys.left(), keys.defaultLeft);
    const float topTwips = store.readGeometry(keys.top(), keys.defaultTop);
    const int left = twipsToPixels(leftTwips);
    const int top = twipsToPixels(topTwips);
    const int width = twipsToPixels(store.readGeometry(keys.width(), keys.defaultWidth));
    const int height = twipsToPixels(store.readGeometry(keys.height(), keys.defaultHeight));

    const QRect frame = fittedFrame(QRect(left, top, width, height));
    window.resize((frame.size() - frameExtra(window)).expandedTo(QSize(1, 1)));
    window.move(frame.topLeft());
    // A position moved onto a screen is no longer the stored one.
    const QPoint placed = window.pos();
    window.setProperty(kPlacedPixels, placed);
    window.setProperty(kPlacedTwips,
        QPointF(placed.x() == left ? leftTwips : pixelsToTwips(placed.x()),
            placed.y() == top ? topTwips : pixelsToTwips(placed.y())));
}

void savePosition(const QWidget& window, SettingsStore& store, const WindowGeometryKeys& keys)
{
    const QPoint position = window.pos();
    const QPoint placed = window.property(kPlacedPixels).toPoint();
    const QPointF twips = window.property(kPlacedTwips).toPointF();
    const SettingsStore::Batch batch(store);
    store.writeGeometry(keys.left(), savedTwips(position.x(), placed.x(), twips.x()));
    store.writeGeometry(keys.top(), savedTwips(position.y(), placed.y(), twips.y()));
}
