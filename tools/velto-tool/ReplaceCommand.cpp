// velto-tool replace FOLDER PATTERN REPLACEMENT: Replace in Files, each change printed as
// FILE:LINE.COL: OLD -> NEW, then written with every other byte of its file kept.
#include "SearchArguments.h"
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
    SearchArguments read;
    if (const int status = ReadSearchArguments(args, "replace", 3, true, read, err))
        return status;
    const std::vector<FileEdits> plan = PlanReplaceInFiles(
        AbsolutePath(read.positional[0]), *read.search, read.positional[2], IncludePatterns(read.include));
    for (const FileEdits& file : plan)
        for (const TextEdit& edit : file.edits)
            out << file.path << ':' << edit.line << '.' << edit.column << ": " << edit.original
                << " -> " << edit.replacement << '\n';
    if (plan.empty())
        return 1;
    if (read.dryRun)
        return 0;
    const WriteSummary summary = WriteFileEdits(plan);
    for (const std::string& failure : summary.failures)
        err << "velto-tool replace: " << failure << '\n';
    return summary.failures.empty() ? 0 : 1;
}

} // namespace
} // namespace velto::tool
