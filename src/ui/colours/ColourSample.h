// ColourSample: the chooser's "Sample:" swatch, a sunken panel filled with the current colour.
#pragma once

#include "core/colours/ColourRef.h"

#include <QFrame>

namespace velto {

class ColourSample : public QFrame {
    Q_OBJECT
public:
    explicit ColourSample(QWidget* parent = nullptr);

    // NoColour leaves the panel empty.
    void SetColour(ColourRef colour);
    [[nodiscard]] ColourRef Colour() const noexcept { return colour_; }

    [[nodiscard]] QSize sizeHint() const override { return {64, 32}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourRef colour_ = NoColour;
};

} // namespace velto
