// The site commands: Open Site Folder and the recent site folders, the Site dock, Find in
// Files and Check Links, each running its search on a worker thread into a results dock.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterSiteCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
