// The preview commands.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterPreviewCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
