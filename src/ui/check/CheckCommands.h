// The commands of Check Page: the Problems window and F8 / Shift+F8; with them the host
// that checks the pages, and the counts on the status bar.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterCheckCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
