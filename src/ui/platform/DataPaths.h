// Where the shipped data (templates, references, tips) is found.
#pragma once

#include <QString>

namespace velto {

// The program's data folder: $VELTO_DATA_DIR when set; else "data" beside the executable
// (the build tree); else the installed share/velto relative to the executable.
QString ProgramDataFolder();

// The user's own data folder, which holds the copies of the templates, snippets and
// reference folders: $XDG_DATA_HOME/Kestrova/Velto, normally ~/.local/share/Kestrova/Velto.
QString UserDataFolder();

// The user's state folder, which holds the recovery files of unsaved documents:
// $XDG_STATE_HOME/Kestrova/Velto, normally ~/.local/state/Kestrova/Velto.
QString UserStateFolder();

// A folder and a relative name joined with one separator, a leading "./" of the name dropped.
QString JoinPath(const QString& folder, QString relative);

} // namespace velto
