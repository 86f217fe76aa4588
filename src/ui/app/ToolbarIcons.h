// Icons of the tool bar buttons: the desktop's icon theme where it has them, else the
// style's standard pixmaps or small drawn ones.
#pragma once

#include <QIcon>

class QStyle;

namespace velto {

// The icon of a command (CommandIds.h); a null icon for a command without one.
QIcon CommandIcon(int id, const QStyle* style);

} // namespace velto
