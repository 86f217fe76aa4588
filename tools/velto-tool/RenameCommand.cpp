// velto-tool rename SITE FROM TO: moves a file or folder of a site and rewrites the links
// that lead to it and the relative links inside it.
#include "ToolCommand.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/site/RenamePlan.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"rename", "SITE FROM TO [--dry-run]",
     "move the file or folder FROM to TO within the site folder SITE and rewrite the links "
     "that lead to it (and the relative links inside a moved page), printing each change as "
     "PAGE:LINE.COL: OLD -> NEW; with --dry-run only print them",
     Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool dryRun = false;
    std::vector<std::string> positional;
    for (const std::string& arg : args) {
        if (arg == "--dry-run")
            dryRun = true;
        else if (arg.starts_with("--"))
            return UsageError("rename", err);
        else
            positional.push_back(arg);
    }
    if (positional.size() != 3)
        return UsageError("rename", err);
    CHtmlConfig htmlConfig;
    const CEditorConfig editorConfig;
    HtmlKnowledgeBase kb(htmlConfig, editorConfig);
    kb.RebuildAllowed();
    const LinkAttributes attributes(&kb);
    const RenamePlan plan = PlanRename(AbsolutePath(positional[0]), AbsolutePath(positional[1]),
                                       AbsolutePath(positional[2]), attributes);
    for (const FileEdits& file : plan.edits)
        for (const TextEdit& edit : file.edits)
            out << file.path << ':' << edit.line << '.' << edit.column << ": " << edit.original
                << " -> " << edit.replacement << '\n';
    for (const std::string& page : plan.skippedPages)
        err << "velto-tool rename: " << page
            << ": links read against its BASE are left as they are\n";
    if (dryRun)
        return 0;
    WriteSummary summary;
    std::string error;
    if (!ApplyRename(plan, summary, error)) {
        err << "velto-tool rename: " << error << '\n';
        return 1;
    }
    for (const std::string& failure : summary.failures)
        err << "velto-tool rename: " << failure << '\n';
    return summary.failures.empty() ? 0 : 1;
}

} // namespace
} // namespace velto::tool
