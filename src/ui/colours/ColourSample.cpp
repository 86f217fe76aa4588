// ColourSample: the chooser's "Sample:" swatch.
#include "ui/colours/ColourSample.h"

#include "ui/platform/ColourSwatch.h"

#include <QPainter>

namespace velto {

ColourSample::ColourSample(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(32, 20);
}

void ColourSample::SetColour(ColourRef colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void ColourSample::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (colour_ == NoColour)
        return;
    QPainter painter(this);
    painter.fillRect(contentsRect(), ToQColor(colour_));
}

} // namespace velto
