// The Site dock's context menu.
#include "core/site/SiteDockMenu.h"

namespace velto {

MenuModel SiteDockMenu(SiteMenuTarget target) {
    using namespace SiteDockCommand;
    MenuModel menu;
    menu.AddCommand(NewPage, "New &Page...", "Make a page from the default template in this folder");
    menu.AddCommand(NewFolder, "New &Folder...", "Make a folder in this folder");
    menu.AddSeparator();
    const bool ownItem = target != SiteMenuTarget::SiteFolder;
    menu.AddCommand(Rename, "&Rename...\tF2",
                    "Rename the file or folder and update the links that lead to it")
        .enabled = ownItem;
    menu.AddCommand(Delete, "&Delete", "Move the file or folder to the trash").enabled = ownItem;
    menu.AddSeparator();
    menu.AddCommand(CopyPath, "&Copy Path", "Copy the full path to the clipboard");
    menu.AddCommand(OpenWithDefault, "Open &With Default Application",
                    "Open with the program the desktop uses for this kind of file");
    return menu;
}

} // namespace velto
