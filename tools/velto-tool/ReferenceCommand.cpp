// velto-tool reference lookup WORD [--folder DIR] [--class N]: the page and anchor that
// context help finds for a word.
#include "ToolCommand.h"

#include "core/reference/CHtmlHelpRefMgr.h"
#include "ui/platform/DataPaths.h"
#include "ui/platform/QtProfile.h"

#include <charconv>
#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"reference", "lookup WORD [--folder DIR] [--class N]",
     "print \"PAGE#ANCHOR\" of the topic a lookup of WORD finds (class 1, the element topics, "
     "by default) in the reference sets of DIR (by default the reference folder of the "
     "settings, else the user's \"HTML References\"); exit 1 when none is found",
     Run}};

// The user's copy of the shipped reference folder.
std::string UserReferenceFolder() {
    return (UserDataFolder() + QStringLiteral("/HTML References")).toStdString();
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2 || args[0] != "lookup")
        return UsageError("reference", err);
    std::string folder;
    int cls = 1;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--folder" && i + 1 < args.size()) {
            folder = args[++i];
        } else if (args[i] == "--class" && i + 1 < args.size()) {
            const std::string& n = args[++i];
            const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), cls);
            if (ec != std::errc() || end != n.data() + n.size())
                return UsageError("reference", err);
        } else {
            return UsageError("reference", err);
        }
    }
    QtProfile settings;
    CQuorHtmlHelpRefMgr mgr(settings, UserReferenceFolder());
    mgr.LoadSettings();
    if (!folder.empty())
        mgr.SetFolder(folder);
    mgr.Scan(mgr.Folder());
    const std::optional<CQuorHtmlHelpRefMgr::Topic> topic = mgr.Lookup(cls, args[1]);
    if (!topic) {
        err << ContextHelpUnavailable(args[1], mgr.ReferenceForClass(cls, false)) << '\n';
        return 1;
    }
    out << topic->page << '#' << topic->anchor << '\n';
    return 0;
}

} // namespace
} // namespace velto::tool
