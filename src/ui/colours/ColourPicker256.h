// ColourPicker256: a 16 x 16 grid of a 256-colour palette (the sixteen named colours, a
// 6 x 6 x 6 colour cube and 24 greys); clicking a cell, or moving to it with the arrow
// keys, picks its colour.
#pragma once

#include "core/colours/ColourRef.h"

#include <QWidget>

namespace velto {

class ColourPicker256 : public QWidget {
    Q_OBJECT
public:
    static constexpr int Columns = 16;
    static constexpr int CellCount = 256;

    explicit ColourPicker256(QWidget* parent = nullptr);

    // The palette: cells 0-15 the named colours in table order, 16-231 the cube with
    // red, green and blue each in steps of 0x33, 232-255 greys from dark to light.
    [[nodiscard]] static ColourRef PaletteColour(int cell) noexcept;
    // The first cell holding a colour, or -1.
    [[nodiscard]] static int CellOf(ColourRef colour) noexcept;

    [[nodiscard]] QRect CellRect(int cell) const;
    [[nodiscard]] int CellAt(QPoint point) const; // -1 outside the grid
    [[nodiscard]] int CurrentCell() const noexcept { return current_; }

    // Marks the cell of the colour, if the palette has it; does not signal.
    void SetColour(ColourRef colour);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

Q_SIGNALS:
    void ColourPicked(velto::ColourRef colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Pick(int cell);
    [[nodiscard]] QSize CellSize() const;

    int current_ = -1;
};

} // namespace velto
