// The arguments Find in Files and Replace in Files share on the command line: the folder,
// the pattern and what follows, with --regex, --case, --word and --include GLOBS.
#pragma once

#include "core/site/TextSearch.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace velto::tool {

struct SearchArguments {
    std::vector<std::string> positional; // FOLDER PATTERN ...
    std::string include;                 // the page types unless --include names others
    bool dryRun = false;                 // --dry-run, where the command takes it
    std::optional<TextSearch> search;
};

// Reads the arguments of `command` (which takes `positionals` of them, and --dry-run when
// allowed) and compiles the pattern; the exit status on failure (2, said on err), else 0.
[[nodiscard]] int ReadSearchArguments(const std::vector<std::string>& args, const char* command,
                                      std::size_t positionals, bool allowDryRun,
                                      SearchArguments& read, std::ostream& err);

} // namespace velto::tool
