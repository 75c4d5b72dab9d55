#include "settings_picture.h"

#include "core/look.h"

#include <QPainter>

QPixmap settingsButtonPicture()
{
    constexpr int kWidth = 99;
    constexpr int kHeight = 37;
    const QColor green = colourFromBgr(kGreenBgr);

    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::black);

    QPainter painter(&picture);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(green);
    painter.drawText(QRect(0, 0, kWidth, 17), Qt::AlignCenter, QStringLiteral("KALDERA"));
    painter.fillRect(QRect(4, 18, kWidth - 8, 1), green);
    painter.drawText(QRect(0, 20, kWidth, 17), Qt::AlignCenter, QStringLiteral("QUORLIN"));
    return picture;
}
