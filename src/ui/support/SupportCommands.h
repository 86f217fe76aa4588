// The support commands of the Help menu.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterSupportCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
