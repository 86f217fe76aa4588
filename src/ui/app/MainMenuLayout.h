// Where the commands stand in the main window: the menu bar, the tool bars and the view's
// context menu, as menu models of command ids (the command table gives the texts).
#pragma once

#include "core/menu/MenuModel.h"

namespace velto {

[[nodiscard]] MenuModel MainMenuLayout();
[[nodiscard]] MenuModel MainToolBarLayout();
[[nodiscard]] MenuModel ReferenceToolBarLayout();
// The first items of the view's right-click menu; the tag's own items follow them.
[[nodiscard]] MenuModel ContextMenuLayout();

} // namespace velto
