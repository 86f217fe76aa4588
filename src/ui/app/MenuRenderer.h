// Shows a core menu model as Qt menus and tool bars.
#pragma once

#include <functional>
#include <vector>

class QMenu;
class QMenuBar;
class QToolBar;

namespace velto {

class CommandTable;
class MenuModel;

// What happens when an item that is not one of the table's commands is chosen.
using MenuChoice = std::function<void(int id)>;

// Appends the model's items to menu. An item without text, or marked as a window command,
// whose id the table knows shows the table's action (its text, key, prompt and state);
// every other item gets an action of its own from the model (text, prompt as status tip,
// check mark, enabled state, colour swatch), owned by menu, and choosing it calls choose
// with its id.
void RenderMenu(QMenu& menu, const MenuModel& model, const CommandTable* table,
                const MenuChoice& choose = {});

// The model's top-level submenus as menus of the bar, in order; returns them.
std::vector<QMenu*> RenderMenuBar(QMenuBar& bar, const MenuModel& model, const CommandTable& table);

// The model's commands (ids the table knows) and separators as tool bar buttons; a command
// without an icon of its own gets the standard one of its id.
void RenderToolBar(QToolBar& bar, const MenuModel& model, const CommandTable& table);

} // namespace velto
