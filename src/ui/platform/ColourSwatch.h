// Small colour swatches for menus, lists and combo boxes.
#pragma once

#include "core/colours/ColourRef.h"

#include <QColor>
#include <QIcon>

namespace velto {

[[nodiscard]] QColor ToQColor(ColourRef colour);
[[nodiscard]] ColourRef FromQColor(const QColor& colour);
// A framed square of the colour, size pixels wide.
[[nodiscard]] QIcon ColourSwatch(ColourRef colour, int size = 16);

} // namespace velto
