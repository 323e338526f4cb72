#include "toolkit/Symbol.h"

#include "toolkit/Look.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace toolkit {

QImage Symbol(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0); // drawn on a 64 × 64 grid
    // Small sizes get thicker strokes so the glass stays visible at 16 pixels.
    const double stroke = std::max(2.5, 64.0 / size * 1.2);

    p.setPen(QPen(QColor(128, 96, 32), 2));
    p.setBrush(Background());
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

    // The drink in the bowl of the glass.
    QPainterPath drink;
    drink.moveTo(17, 20);
    drink.lineTo(47, 20);
    drink.lineTo(32, 35);
    drink.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 60, 80));
    p.drawPath(drink);

    // The glass: bowl, stem and foot.
    QPainterPath glass;
    glass.moveTo(11, 14);
    glass.lineTo(53, 14);
    glass.lineTo(32, 35);
    glass.closeSubpath();
    glass.moveTo(32, 35);
    glass.lineTo(32, 52);
    glass.moveTo(22, 53);
    glass.lineTo(42, 53);
    p.setPen(QPen(QColor(40, 40, 60), stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass);

    // A slice of lime on the rim.
    p.setPen(QPen(QColor(40, 110, 20), stroke * 0.8));
    p.setBrush(QColor(160, 210, 60));
    p.drawPie(QRectF(40, 4, 18, 18), 180 * 16, 180 * 16);
    return image;
}

QIcon SymbolIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(Symbol(size)));
    return icon;
}

} // namespace toolkit
