// velto-tool links FOLDER: Check Links over a site, one problem a line.
#include "ToolCommand.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/site/LinkCheck.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"links", "FOLDER [--remote]",
     "check the links of every page below FOLDER and print each broken one as PAGE:LINE.COL: "
     "KIND: URL (KIND missing or fragment), then each file no page links to as FILE: orphan; "
     "with --remote also list each remote address once as remote: URL (not fetched); exits 1 "
     "when a link is broken",
     Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool remote = false;
    std::vector<std::string> positional;
    for (const std::string& arg : args) {
        if (arg == "--remote")
            remote = true;
        else if (arg.starts_with("--"))
            return UsageError("links", err);
        else
            positional.push_back(arg);
    }
    if (positional.size() != 1)
        return UsageError("links", err);
    CHtmlConfig htmlConfig;
    const CEditorConfig editorConfig;
    HtmlKnowledgeBase kb(htmlConfig, editorConfig);
    kb.RebuildAllowed();
    const LinkAttributes attributes(&kb);
    const LinkCheckResult result = LinkCheck(attributes).Run(AbsolutePath(positional[0]));
    for (const LinkProblem& p : result.problems) {
        switch (p.kind) {
        case LinkProblem::Kind::Orphan:
            out << p.page << ": orphan\n";
            break;
        case LinkProblem::Kind::Unreadable:
            err << "velto-tool links: " << p.url << '\n';
            break;
        default:
            out << p.page << ':' << p.line << '.' << p.column << ": " << ProblemName(p.kind) << ": "
                << p.url << '\n';
        }
    }
    if (remote)
        for (const std::string& url : result.remoteLinks)
            out << "remote: " << url << '\n';
    return result.HasBrokenLinks() ? 1 : 0;
}

} // namespace
} // namespace velto::tool
