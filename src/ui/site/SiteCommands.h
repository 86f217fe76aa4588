// The site commands: Open Site Folder and the recent site folders, the Site dock, Find and
// Replace in Files and Check Links, each running its search on a worker thread.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;

void RegisterSiteCommands(CommandTable& table, CMainFrame& frame);

} // namespace velto
