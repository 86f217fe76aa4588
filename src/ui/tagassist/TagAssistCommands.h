// The tag assistance commands of the Edit menu.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterTagAssistCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
