#include "ui/app/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lumio {
namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;
    QPainterPath body;
    body.addRoundedRect(QRectF(unit * 0.5, unit * 0.5, size - unit, size - unit), unit * 2.5, unit * 2.5);
    painter.fillPath(body, QColor(0x1F, 0x5F, 0xA8));
    // A relay contact: two rails, a coil and an open switch between them.
    QPen pen(Qt::white, unit * 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawLine(QPointF(unit * 3.5, unit * 3.5), QPointF(unit * 3.5, unit * 12.5));
    painter.drawLine(QPointF(unit * 12.5, unit * 3.5), QPointF(unit * 12.5, unit * 12.5));
    painter.drawLine(QPointF(unit * 3.5, unit * 8), QPointF(unit * 6, unit * 8));
    painter.drawLine(QPointF(unit * 6, unit * 8), QPointF(unit * 8.8, unit * 6.2));
    painter.drawLine(QPointF(unit * 9.2, unit * 8), QPointF(unit * 12.5, unit * 8));
    painter.setBrush(QColor(0xF2, 0xB1, 0x34));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(unit * 9.6, unit * 8), unit * 1.1, unit * 1.1);
    return pixmap;
}

}  // namespace

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace lumio
