// The main window's saved placement ("MainWindow" of "Settings") and the layout of its
// bars kept under the same name.
#pragma once

#include <cstdint>

class QMainWindow;

namespace velto {

class Profile;

void SaveFramePlacement(const QMainWindow& window, Profile& profile);
// Shows the window as saved; false, doing nothing, when no usable placement is saved.
bool RestoreFramePlacement(QMainWindow& window, const Profile& profile, bool startedMinimised);
// Shows the window normal, minimised, maximised or hidden (WPlacementObj numbering).
void ShowFrameWithCommand(QMainWindow& window, std::uint32_t showCommand);

void SaveFrameBarState(const QMainWindow& window, Profile& profile);
// A damaged layout is refused as a whole and the bars keep their places.
bool LoadFrameBarState(QMainWindow& window, const Profile& profile);

} // namespace velto
