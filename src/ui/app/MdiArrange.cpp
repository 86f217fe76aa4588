// Arranging the minimised MDI windows.
#include "ui/app/MdiArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace velto {

void ArrangeMinimisedWindows(QMdiArea& area) {
    const QRect room = area.viewport()->rect();
    int x = room.left();
    int bottom = room.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized() || !w->isVisible())
            continue;
        const QSize size = w->size();
        if (x > room.left() && x + size.width() > room.right() + 1) {
            x = room.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        w->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

} // namespace velto
