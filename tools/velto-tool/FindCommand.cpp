// velto-tool find FOLDER PATTERN: Find in Files, one match a line as FILE:LINE:COL: TEXT.
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
    SearchOptions options;
    std::string include(IncludePatterns::DefaultList());
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--regex")
            options.regex = true;
        else if (args[i] == "--case")
            options.matchCase = true;
        else if (args[i] == "--word")
            options.wholeWord = true;
        else if (args[i] == "--include" && i + 1 < args.size())
            include = args[++i];
        else if (args[i].starts_with("--"))
            return UsageError("find", err);
        else
            positional.push_back(args[i]);
    }
    if (positional.size() != 2)
        return UsageError("find", err);
    options.pattern = positional[1];
    std::string error;
    const auto search = TextSearch::Compile(options, error);
    if (!search) {
        err << "velto-tool find: " << error << '\n';
        return 2;
    }
    const std::string folder = AbsolutePath(positional[0]);
    const FindProgress totals =
        FindInFiles(*search, IncludePatterns(include)).Run(folder, [&](FileMatches&& file) {
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
