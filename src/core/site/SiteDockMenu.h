// The Site dock's context menu as a model: what it offers on a file, on a folder and on
// the site folder itself (a click on empty space), with the ids the dock acts on.
#pragma once

#include "core/menu/MenuModel.h"

namespace velto {

// Ids of the dock's own menu; they go back to the dock alone, never to the window.
namespace SiteDockCommand {
inline constexpr int NewPage = 1;
inline constexpr int NewFolder = 2;
inline constexpr int Rename = 3;
inline constexpr int Delete = 4;
inline constexpr int CopyPath = 5;
inline constexpr int OpenWithDefault = 6;
} // namespace SiteDockCommand

enum class SiteMenuTarget { SiteFolder, Folder, File };

// The site folder itself can be neither renamed nor deleted from its own tree.
[[nodiscard]] MenuModel SiteDockMenu(SiteMenuTarget target);

} // namespace velto
