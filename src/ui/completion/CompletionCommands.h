// The completion command of the Edit menu.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterCompletionCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
