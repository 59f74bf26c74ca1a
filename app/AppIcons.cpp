#include "app/AppIcons.h"

#include <QPainter>
#include <QPixmap>

namespace velkor {

QImage draw_velkor_icon(IconKind kind, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor face = kind == IconKind::CheckedIn ? QColor(255, 214, 64) : QColor(200, 200, 200);
    const qreal pen = size / 12.0;
    painter.setPen(QPen(Qt::black, pen));
    painter.setBrush(face);
    QRectF dial(pen, pen, size - 2 * pen, size - 2 * pen);
    painter.drawEllipse(dial);
    // Hands at ten past ten.
    QPointF centre = dial.center();
    painter.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-size * 0.22, -size * 0.12));
    painter.drawLine(centre, centre + QPointF(size * 0.25, -size * 0.18));
    return image;
}

QIcon velkor_icon(IconKind kind)
{
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(QPixmap::fromImage(draw_velkor_icon(kind, size)));
    return icon;
}

} // namespace velkor
