#include "ui/platform/ColourSwatch.h"

#include <QPainter>
#include <QPixmap>

namespace velto {

QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ColourRef FromQColor(const QColor& colour) {
    return MakeColour(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                      static_cast<std::uint8_t>(colour.blue()));
}

QIcon ColourSwatch(ColourRef colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(ToQColor(colour));
    painter.drawRect(1, 1, size - 3, size - 3);
    return QIcon(pixmap);
}

} // namespace velto
