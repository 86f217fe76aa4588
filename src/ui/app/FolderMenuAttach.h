// Attaching a folder menu under a menu item found by its exact text.
#pragma once

#include <QString>

class QMenu;
class QMenuBar;

namespace velto {

// Under the top-level menu titled topText, the item titled itemText (both compared
// exactly, mnemonics included) becomes a pop-up with the same text showing popup. Returns
// false, changing nothing, when the menu, the item or the pop-up is missing.
bool AttachFolderMenu(QMenuBar* bar, const QString& topText, const QString& itemText, QMenu* popup);

} // namespace velto
