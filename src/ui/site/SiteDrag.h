// Files dragged from the Site dock: the drag's data (a type of the dock's own beside the
// plain file list other programs read), and a drop on a page that writes a link or an
// image there.
#pragma once

#include <QStringList>

class QMimeData;
class QPoint;

namespace velto {

class CQuorView;

inline constexpr char SiteDragMimeType[] = "application/x-velto-site-files";

[[nodiscard]] QMimeData* MakeSiteDrag(const QStringList& paths);
// The absolute paths a drag from the dock carries; empty for any other drag.
[[nodiscard]] QStringList SiteDragPaths(const QMimeData* mime);

// Writes the link or image of each dragged file where the pointer is (a point of the
// view's viewport), as one undoable change; false when the drag did not come from the dock.
bool DropSiteFiles(CQuorView& view, const QMimeData* mime, const QPoint& point);

} // namespace velto
