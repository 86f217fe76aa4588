// Where the shipped data (templates, references, tips) is found.
#pragma once

#include <QString>

namespace velto {

// The program's data folder: $VELTO_DATA_DIR when set; else "data" beside the executable
// (the build tree); else the installed share/velto relative to the executable.
QString ProgramDataFolder();

// A folder and a relative name joined with one separator, a leading "./" of the name dropped.
QString JoinPath(const QString& folder, QString relative);

} // namespace velto
