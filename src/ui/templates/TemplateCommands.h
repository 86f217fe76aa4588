// The commands of the templates, the snippets and the On The Web folder menu.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterTemplateCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
