// The program's icon for its windows: the desktop theme's when Velto is installed, else
// the one built into the program, so no window shows the toolkit's own logo.
#pragma once

class QIcon;

namespace velto {

[[nodiscard]] QIcon VeltoIcon();
// Makes VeltoIcon() the icon of every window that sets none of its own.
void InstallApplicationIcon();

} // namespace velto
