// Arranging the MDI area's minimised windows in rows along its bottom edge.
#pragma once

class QMdiArea;

namespace velto {

// Lines the minimised windows up from the bottom-left corner, left to right in the order
// they were opened, starting a row above when one is full; the other windows stay put.
void ArrangeMinimisedWindows(QMdiArea& area);

} // namespace velto
