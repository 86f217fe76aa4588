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

// Copies every file below each of the folders of shipped into the same place below user:
// a file the user already has, or has changed since it was copied, is never touched, and a
// file copied before that the user has since deleted stays deleted (the copied files are
// listed with the hashes of their bytes in user's ".velto-shipped"). Files a later version
// ships are added, and a copy the user never changed follows a newer shipped file (the
// generated reference after a change of the knowledge base). Each copy goes through a
// temporary file and a rename, so an interrupted copy never leaves a half file.
ShippedCopyResult CopyShippedFolders(const std::string& shipped, const std::string& user,
                                     const std::vector<std::string>& folders);

} // namespace velto
