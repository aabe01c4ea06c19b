// Painting the quill logo on a 64-unit grid.
#include "ui/Logo.h"

#include <QPainter>
#include <QPainterPath>

namespace quillon::ui {

QPixmap QuillonLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // Ink-blue disc with a lighter rim.
    p.setPen(QPen(QColor(0x3E, 0x6E, 0xA8), 2));
    p.setBrush(QColor(0x1C, 0x35, 0x5E));
    p.drawEllipse(QRectF(3, 3, 58, 58));

    // The quill sits a little up and right of the centre line.
    p.translate(3, -3);

    // The vane: two curves from the shaft's foot to the tip.
    QPainterPath vane;
    vane.moveTo(19, 46);
    vane.cubicTo(21, 31, 33, 16, 51, 9);
    vane.cubicTo(49, 24, 39, 38, 23, 47);
    vane.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF4, 0xEC, 0xD8));
    p.drawPath(vane);

    // Notches in the vane and the shaft, in the disc's colour and in gold.
    p.setPen(QPen(QColor(0x1C, 0x35, 0x5E), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(33, 31), QPointF(41, 27));
    p.drawLine(QPointF(27, 38), QPointF(33, 37));
    p.setPen(QPen(QColor(0xD9, 0xA4, 0x41), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 50), QPointF(47, 14));

    // The nib.
    QPainterPath nib;
    nib.moveTo(16, 50);
    nib.lineTo(12, 56);
    nib.lineTo(18.5, 52.5);
    nib.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD9, 0xA4, 0x41));
    p.drawPath(nib);
    return pixmap;
}

QIcon QuillonIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QuillonLogo(size));
    return icon;
}

} // namespace quillon::ui
