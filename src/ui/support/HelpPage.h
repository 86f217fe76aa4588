// F1: the application help page, made from the window's menus and the user's folders,
// written to the state folder and shown in the HTML reference window.
#pragma once

#include <QString>

namespace velto {

class CMainFrame;

// Writes the page and shows it; false (with a message) when it could not be written.
bool ShowApplicationHelp(CMainFrame& frame);
// Where the page is written.
[[nodiscard]] QString ApplicationHelpPath();

} // namespace velto
