#include "ui/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vestrona {

namespace {
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0xd0));
    p.drawEllipse(QRectF(1, 1, 30, 30));

    QPainterPath bell;
    bell.moveTo(16, 6);
    bell.cubicTo(10, 6, 9.5, 11, 9.5, 15);
    bell.lineTo(9.5, 19);
    bell.lineTo(7, 22.5);
    bell.lineTo(25, 22.5);
    bell.lineTo(22.5, 19);
    bell.lineTo(22.5, 15);
    bell.cubicTo(22.5, 11, 22, 6, 16, 6);
    p.setBrush(Qt::white);
    p.drawPath(bell);
    p.drawEllipse(QRectF(13.5, 23, 5, 4));
    return pixmap;
}
} // namespace

QIcon programIcon()
{
    // Made on each call, a few times a session: a kept QIcon would hold
    // pixmaps past the end of QApplication.
    QIcon drawn;
    for (int size : {16, 22, 24, 32, 48, 64})
        drawn.addPixmap(drawIcon(size));
    return QIcon::fromTheme(QStringLiteral(VESTRONA_APP_ID), drawn);
}

} // namespace vestrona
