// The user's own copy of the shipped folders that Velto writes to: templates and
// snippets, references, On The Web.
#pragma once

#include <string>
#include <vector>

namespace velto {

struct ShippedCopyResult {
    int copied = 0;
    std::vector<std::string> failures; // "path: reason", one per file not copied
};

// Copies every file below each of the folders of shipped into the same place below user,
// once: a file the user already has is never touched, and a file copied before that the
// user has since deleted stays deleted (the copied files are listed in user's
// ".velto-shipped"). Files a later version ships are added. Each copy goes through a
// temporary file and a rename, so an interrupted copy never leaves a half file.
ShippedCopyResult CopyShippedFolders(const std::string& shipped, const std::string& user,
                                     const std::vector<std::string>& folders);

} // namespace velto
