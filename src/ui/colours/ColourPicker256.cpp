// ColourPicker256: the 256-colour grid of the chooser's "Standard" page.
#include "ui/colours/ColourPicker256.h"

#include "core/colours/NamedColours.h"
#include "ui/platform/ColourSwatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace velto {

namespace {
constexpr int Rows = ColourPicker256::CellCount / ColourPicker256::Columns;
constexpr int NamedCells = 16;
constexpr int CubeCells = 216;
constexpr int PreferredCell = 14; // pixels
constexpr int Border = 1;
} // namespace

ColourPicker256::ColourPicker256(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

ColourRef ColourPicker256::PaletteColour(int cell) noexcept {
    if (cell < 0 || cell >= CellCount)
        return NoColour;
    if (cell < NamedCells)
        return NamedColours()[static_cast<std::size_t>(cell)].colour;
    if (cell < NamedCells + CubeCells) {
        const int n = cell - NamedCells;
        const auto level = [](int step) { return static_cast<std::uint8_t>(step * 0x33); };
        return MakeColour(level(n / 36), level(n / 6 % 6), level(n % 6));
    }
    const auto grey = static_cast<std::uint8_t>(8 + 10 * (cell - NamedCells - CubeCells));
    return MakeColour(grey, grey, grey);
}

int ColourPicker256::CellOf(ColourRef colour) noexcept {
    for (int cell = 0; cell < CellCount; ++cell)
        if (PaletteColour(cell) == colour)
            return cell;
    return -1;
}

QSize ColourPicker256::CellSize() const {
    return {(width() - 2 * Border) / Columns, (height() - 2 * Border) / Rows};
}

QRect ColourPicker256::CellRect(int cell) const {
    if (cell < 0 || cell >= CellCount)
        return {};
    const QSize size = CellSize();
    return {Border + cell % Columns * size.width(), Border + cell / Columns * size.height(),
            size.width(), size.height()};
}

int ColourPicker256::CellAt(QPoint point) const {
    const QSize size = CellSize();
    if (size.isEmpty() || point.x() < Border || point.y() < Border)
        return -1;
    const int column = (point.x() - Border) / size.width();
    const int row = (point.y() - Border) / size.height();
    return column < Columns && row < Rows ? row * Columns + column : -1;
}

void ColourPicker256::SetColour(ColourRef colour) {
    const int cell = colour == NoColour ? -1 : CellOf(colour);
    if (cell != current_) {
        current_ = cell;
        update();
    }
}

QSize ColourPicker256::sizeHint() const {
    return {Columns * PreferredCell + 2 * Border, Rows * PreferredCell + 2 * Border};
}

QSize ColourPicker256::minimumSizeHint() const {
    return sizeHint();
}

void ColourPicker256::Pick(int cell) {
    if (cell < 0 || cell >= CellCount)
        return;
    current_ = cell;
    update();
    Q_EMIT ColourPicked(PaletteColour(cell));
}

void ColourPicker256::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    for (int cell = 0; cell < CellCount; ++cell)
        painter.fillRect(CellRect(cell).adjusted(0, 0, -1, -1), ToQColor(PaletteColour(cell)));
    if (current_ >= 0) {
        // A black and a white frame, so the mark shows on any colour.
        const QRect r = CellRect(current_).adjusted(-1, -1, 0, 0);
        painter.setPen(Qt::black);
        painter.drawRect(r);
        painter.setPen(Qt::white);
        painter.drawRect(r.adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ColourPicker256::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    Pick(CellAt(event->position().toPoint()));
}

void ColourPicker256::keyPressEvent(QKeyEvent* event) {
    const int from = current_ < 0 ? 0 : current_;
    int to = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        to = from % Columns > 0 ? from - 1 : from;
        break;
    case Qt::Key_Right:
        to = from % Columns < Columns - 1 ? from + 1 : from;
        break;
    case Qt::Key_Up:
        to = from >= Columns ? from - Columns : from;
        break;
    case Qt::Key_Down:
        to = from + Columns < CellCount ? from + Columns : from;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    Pick(to);
}

} // namespace velto
