#include "ui/platform/ColourSwatch.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <QPixmap>

namespace velto {

QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ColourRef FromQColor(const QColor& colour) {
    return MakeColour(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                      static_cast<std::uint8_t>(colour.blue()));
}

QIcon ColourSwatch(ColourRef colour, int size, bool ticked) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    const QColor fill = ToQColor(colour);
    painter.setBrush(fill);
    painter.drawRect(1, 1, size - 3, size - 3);
    if (ticked) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(fill.lightness() > 128 ? Qt::black : Qt::white, std::max(2.0, size / 8.0)));
        painter.setBrush(Qt::NoBrush);
        const qreal s = size;
        painter.drawPolyline(QPolygonF{QPointF(s * 0.25, s * 0.5), QPointF(s * 0.42, s * 0.7), QPointF(s * 0.75, s * 0.28)});
    }
    return QIcon(pixmap);
}

} // namespace velto
