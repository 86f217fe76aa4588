// The arguments Find in Files and Replace in Files share on the command line.
#include "SearchArguments.h"

#include "ToolCommand.h"

#include "core/site/SiteFolder.h"

#include <ostream>

namespace velto::tool {

int ReadSearchArguments(const std::vector<std::string>& args, const char* command,
                        std::size_t positionals, bool allowDryRun, SearchArguments& read,
                        std::ostream& err) {
    SearchOptions options;
    read.include = IncludePatterns::DefaultList();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--regex")
            options.regex = true;
        else if (args[i] == "--case")
            options.matchCase = true;
        else if (args[i] == "--word")
            options.wholeWord = true;
        else if (allowDryRun && args[i] == "--dry-run")
            read.dryRun = true;
        else if (args[i] == "--include" && i + 1 < args.size())
            read.include = args[++i];
        else if (args[i].starts_with("--"))
            return UsageError(command, err);
        else
            read.positional.push_back(args[i]);
    }
    if (read.positional.size() != positionals)
        return UsageError(command, err);
    options.pattern = read.positional[1];
    std::string error;
    read.search = TextSearch::Compile(options, error);
    if (!read.search) {
        err << "velto-tool " << command << ": " << error << '\n';
        return 2;
    }
    return 0;
}

} // namespace velto::tool
