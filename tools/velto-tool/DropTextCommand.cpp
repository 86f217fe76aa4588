// velto-tool drop-text FILE [PAGE] [--lower]: the text a file dragged from the Site
// dock puts into a page.
#include "ToolCommand.h"

#include "core/config/EditorConfig.h"
#include "core/site/SiteDropText.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"drop-text", "FILE [PAGE] [--lower]",
     "print the link or image element that dropping FILE from the Site dock writes into PAGE "
     "(a page never saved without PAGE), with '|' where the caret goes",
     Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CEditorConfig editor;
    std::vector<std::string> positional;
    for (const std::string& arg : args) {
        if (arg == "--lower")
            editor.insertHtmlLowerCase = true;
        else if (arg.starts_with("--"))
            return UsageError("drop-text", err);
        else
            positional.push_back(arg);
    }
    if (positional.empty() || positional.size() > 2)
        return UsageError("drop-text", err);
    const std::string page = positional.size() == 2 ? AbsolutePath(positional[1]) : std::string();
    const SiteDropText drop = MakeSiteDropText(AbsolutePath(positional[0]), page, editor);
    out << drop.text.substr(0, drop.caret) << '|' << drop.text.substr(drop.caret) << '\n';
    return 0;
}

} // namespace
} // namespace velto::tool
