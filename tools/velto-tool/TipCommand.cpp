// velto-tool tip [--from N] [--file PATH]: the tip that starts at a byte position of the
// tips file, and where the next one starts.
#include "ToolCommand.h"

#include "core/support/TipsFile.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include <unistd.h>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"tip", "[--from N] [--file PATH]",
     "print the tip that starts at byte N (0 by default) of the tips file (by default the "
     "shipped tips.txt of $VELTO_DATA_DIR, the build tree or the installation), then "
     "\"next: POSITION\" for the tip after it",
     Run}};

// The shipped tips beside this program: the build tree's data folder or the installed one.
std::vector<std::string> ShippedTips() {
    std::vector<std::string> candidates;
    if (const char* data = std::getenv("VELTO_DATA_DIR"))
        candidates.push_back(std::string(data) + "/tips.txt");
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        candidates.push_back((exe.parent_path().parent_path() / "data/tips.txt").string());
        candidates.push_back((exe.parent_path().parent_path() / "share/velto/tips.txt").string());
    }
    return candidates;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::int64_t from = 0;
    std::string file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--from" && i + 1 < args.size()) {
            const std::optional<long long> n = ParseOffset(args[++i], err);
            if (!n)
                return 2;
            from = *n;
        } else if (args[i] == "--file" && i + 1 < args.size()) {
            file = args[++i];
        } else {
            return UsageError("tip", err);
        }
    }
    const std::optional<std::string> path =
        CTipsFile::Find(file.empty() ? ShippedTips() : std::vector{file});
    CTipsFile tips;
    if (!path || !tips.Open(*path)) {
        err << "velto-tool: no tips file found\n";
        return 1;
    }
    if (!tips.Seek(from)) {
        err << "velto-tool: trouble reading the tips file\n";
        return 1;
    }
    const std::optional<std::string> tip = tips.NextTip();
    if (!tip) {
        err << "velto-tool: the tips file holds no tip\n";
        return 1;
    }
    out << *tip << "\nnext: " << tips.Position() << '\n';
    return 0;
}

} // namespace
} // namespace velto::tool
