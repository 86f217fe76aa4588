// velto-tool links FOLDER: Check Links over a site, one problem a line.
#include "ToolCommand.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/site/LinkCheck.h"
#include "ui/platform/CurlHttpProbe.h"

#include <charconv>

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"links", "FOLDER [--remote [--timeout SECONDS]]",
     "check the links of every page below FOLDER and print each broken one as PAGE:LINE.COL: "
     "KIND: URL (KIND missing or fragment), then each file no page links to as FILE: orphan; "
     "with --remote also ask the web servers about each http: and https: address (HEAD, then "
     "GET where HEAD is refused, redirects followed, each request given up after SECONDS, 20 "
     "by default) and print each link to a broken one as PAGE:LINE.COL: remote-broken: URL "
     "(REASON), and each ftp: link as remote-not-checked; exits 1 when a link is broken",
     Run}};

// A time out in seconds from 0.1 to an hour; false for anything else.
bool ParseSeconds(const std::string& text, std::chrono::milliseconds& out) {
    double seconds = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (ec != std::errc() || end != text.data() + text.size() || !(seconds >= 0.1) ||
        seconds > 3600)
        return false;
    out = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
    return true;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool remote = false;
    RemoteCheckOptions options;
    bool timeoutGiven = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--remote") {
            remote = true;
        } else if (arg == "--timeout") {
            if (i + 1 == args.size() || !ParseSeconds(args[++i], options.totalTimeout))
                return UsageError("links", err);
            options.connectTimeout = std::min(options.connectTimeout, options.totalTimeout);
            timeoutGiven = true;
        } else if (arg.starts_with("--"))
            return UsageError("links", err);
        else
            positional.push_back(arg);
    }
    if (positional.size() != 1 || (timeoutGiven && !remote))
        return UsageError("links", err);
    CHtmlConfig htmlConfig;
    const CEditorConfig editorConfig;
    HtmlKnowledgeBase kb(htmlConfig, editorConfig);
    kb.RebuildAllowed();
    const LinkAttributes attributes(&kb);
    LinkCheck check(attributes);
    CurlHttpProbe probe;
    if (remote)
        check.CheckRemote(probe, options);
    const LinkCheckResult result = check.Run(AbsolutePath(positional[0]));
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
                << p.url;
            if (!p.reason.empty())
                out << " (" << p.reason << ')';
            out << '\n';
        }
    }
    return result.HasBrokenLinks() ? 1 : 0;
}

} // namespace
} // namespace velto::tool
