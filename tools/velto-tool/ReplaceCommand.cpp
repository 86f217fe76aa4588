// velto-tool replace FOLDER PATTERN REPLACEMENT: Replace in Files, each change printed as
// FILE:LINE.COL: OLD -> NEW, then written with every other byte of its file kept.
#include "ToolCommand.h"

#include "core/site/ReplaceInFiles.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"replace",
     "FOLDER PATTERN REPLACEMENT [--regex] [--case] [--word] [--include GLOBS] [--dry-run]",
     "replace every match of PATTERN in the pages below FOLDER (with --regex, $1 ... in "
     "REPLACEMENT stand for the groups), printing each change as FILE:LINE.COL: OLD -> NEW; "
     "files keep their other bytes, line ends and encoding; with --dry-run only print them; "
     "exits 1 when nothing matches or a file cannot be written",
     Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SearchOptions options;
    std::string include(IncludePatterns::DefaultList());
    bool dryRun = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--regex")
            options.regex = true;
        else if (args[i] == "--case")
            options.matchCase = true;
        else if (args[i] == "--word")
            options.wholeWord = true;
        else if (args[i] == "--dry-run")
            dryRun = true;
        else if (args[i] == "--include" && i + 1 < args.size())
            include = args[++i];
        else if (args[i].starts_with("--"))
            return UsageError("replace", err);
        else
            positional.push_back(args[i]);
    }
    if (positional.size() != 3)
        return UsageError("replace", err);
    options.pattern = positional[1];
    std::string error;
    const auto search = TextSearch::Compile(options, error);
    if (!search) {
        err << "velto-tool replace: " << error << '\n';
        return 2;
    }
    const std::vector<FileEdits> plan = PlanReplaceInFiles(
        AbsolutePath(positional[0]), *search, positional[2], IncludePatterns(include));
    for (const FileEdits& file : plan)
        for (const TextEdit& edit : file.edits)
            out << file.path << ':' << edit.line << '.' << edit.column << ": " << edit.original
                << " -> " << edit.replacement << '\n';
    if (plan.empty())
        return 1;
    if (dryRun)
        return 0;
    const WriteSummary summary = WriteFileEdits(plan);
    for (const std::string& failure : summary.failures)
        err << "velto-tool replace: " << failure << '\n';
    return summary.failures.empty() ? 0 : 1;
}

} // namespace
} // namespace velto::tool
