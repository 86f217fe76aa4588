// Renaming or moving a file or folder of the site with its links kept working: the link
// changes listed for review, then the move, the ticked changes made (open pages in their
// views) and a summary.
#pragma once

#include <QString>

class QWidget;

namespace velto {

class CMainFrame;

// Moves from to to (never over something that exists). When pages link to what moves, or
// a moved page links elsewhere by a relative URL, the changes are offered first: "Rename"
// makes them, "Move without updating links" leaves the links as they are, Cancel moves
// nothing. Open documents of moved files take their new paths.
void RenameWithLinkUpdate(CMainFrame& frame, QWidget* parent, const QString& from,
                          const QString& to);

} // namespace velto
