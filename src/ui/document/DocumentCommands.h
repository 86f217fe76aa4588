// The document and editing commands of the File and Edit menus.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterDocumentCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
