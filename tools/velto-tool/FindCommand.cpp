// velto-tool find FOLDER PATTERN: Find in Files, one match a line as FILE:LINE:COL: TEXT.
#include "SearchArguments.h"
#include "ToolCommand.h"

#include "core/site/FindInFiles.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"find", "FOLDER PATTERN [--regex] [--case] [--word] [--include GLOBS]",
     "print every match of PATTERN in the pages below FOLDER as FILE:LINE:COL: LINE-TEXT, "
     "each page read in its own encoding and binary files skipped; exits 1 when nothing "
     "matches",
     Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SearchArguments read;
    if (const int status = ReadSearchArguments(args, "find", 2, false, read, err))
        return status;
    const std::string folder = AbsolutePath(read.positional[0]);
    const FindProgress totals =
        FindInFiles(*read.search, IncludePatterns(read.include)).Run(folder, [&](FileMatches&& file) {
            for (const FoundMatch& m : file.matches)
                out << file.path << ':' << m.line << ':' << m.column << ": " << m.lineText << '\n';
        });
    for (const std::string& unreadable : totals.unreadable)
        err << "velto-tool find: " << unreadable << '\n';
    if (totals.hitLimit)
        err << "velto-tool find: the expression gave up in some files (too complex)\n";
    return totals.matches > 0 ? 0 : 1;
}

} // namespace
} // namespace velto::tool
