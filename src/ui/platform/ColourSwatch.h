// Small colour swatches for menus, lists and combo boxes.
#pragma once

#include "core/colours/ColourRef.h"

#include <QColor>
#include <QIcon>

namespace velto {

[[nodiscard]] QColor ToQColor(ColourRef colour);
[[nodiscard]] ColourRef FromQColor(const QColor& colour);
// A framed square of the colour, size pixels wide. A ticked one carries a check mark in
// black or white, whichever stands out on the colour: a menu item with an icon shows no
// check mark of its own.
[[nodiscard]] QIcon ColourSwatch(ColourRef colour, int size = 16, bool ticked = false);

} // namespace velto
