#include "app/qt/appicon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap appPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    QPolygonF diamond({QPointF(16, 2), QPointF(30, 16), QPointF(16, 30), QPointF(2, 16)});
    p.setPen(QPen(QColor(0x6b, 0x45, 0x1f), 1.5));
    p.setBrush(QColor(0x2e, 0x8b, 0x3a));
    p.drawPolygon(diamond);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 8, 8);
    p.setPen(QPen(QColor(0xcc, 0x22, 0x22), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 9, 10, 14), -60 * 16, 120 * 16);
    p.drawArc(QRectF(18, 9, 10, 14), 120 * 16, 120 * 16);
    return pixmap;
}

QIcon appIcon()
{
    return QIcon(appPixmap());
}
