// The application's own commands: new and open, close, exit and the Window menu.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterAppCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
