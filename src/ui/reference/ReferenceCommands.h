// The HTML reference commands: the reference window, context help and the lookup bar.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterReferenceCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
