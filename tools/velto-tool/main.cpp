// velto-tool: runs one of the registered subcommands.
#include "PageInput.h"
#include "ToolCommand.h"

#include "core/document/LoadableFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>

namespace velto::tool {

std::vector<ToolCommand>& Commands() {
    static std::vector<ToolCommand> commands;
    return commands;
}

bool ReadInputFile(const std::string& path, std::string& text, std::ostream& err) {
    std::uint64_t size = 0;
    if (const std::optional<FileRefusal> refusal = CheckLoadableFile(path, &size)) {
        err << "velto-tool: cannot read " << path << ": " << refusal->description << '\n';
        return false;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        err << "velto-tool: cannot open " << path << ": " << std::strerror(errno) << '\n';
        return false;
    }
    // The size is known, so the bytes go straight into the string; a file that grew since
    // is read to its new end, within the same limit.
    text.assign(static_cast<std::size_t>(size), '\0');
    std::size_t got = std::fread(text.data(), 1, text.size(), file.get());
    text.resize(got);
    char more[1 << 16];
    std::size_t n = 0;
    while (!std::ferror(file.get()) && (n = std::fread(more, 1, sizeof more, file.get())) > 0) {
        if (text.size() + n > MaxDocumentBytes) {
            err << "velto-tool: " << path << " is too large (2 GB at most)\n";
            return false;
        }
        text.append(more, n);
    }
    if (std::ferror(file.get())) {
        err << "velto-tool: cannot read " << path << ": " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

int UsageError(const std::string& name, std::ostream& err) {
    for (const ToolCommand& c : Commands())
        if (c.name == name)
            err << "Usage: velto-tool " << c.name << ' ' << c.usage << '\n';
    return 2;
}

namespace {
void PrintHelp(std::ostream& out) {
    auto commands = Commands();
    std::sort(commands.begin(), commands.end(),
              [](const ToolCommand& a, const ToolCommand& b) { return a.name < b.name; });
    out << "Usage: velto-tool COMMAND [ARGUMENTS...]\n"
           "The Velto HTML editor's core features on the command line.\n\n"
           "Commands:\n";
    for (const ToolCommand& c : commands)
        out << "  " << c.name << (c.usage.empty() ? "" : " ") << c.usage << "\n      "
            << c.summary << '\n';
    out << "\nPages are read in the encoding their bytes or declaration give, as the editor reads\n"
           "them, and results are written in it (check writes its reports in UTF-8); check,\n"
           "encoding, tag-find, strip-tags, colour-runs, popup, popup-run, preview-file, complete\n"
           "and hover take --encoding NAME to read a page in another.\n"
           "\nOptions:\n  --help     show this help\n  --version  show the version\n";
}
} // namespace

} // namespace velto::tool

int main(int argc, char** argv) {
    using namespace velto::tool;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        PrintHelp(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "velto-tool " << VELTO_VERSION << '\n';
        return 0;
    }
    // The commands that read pages read them in the encoding "--encoding NAME" gives.
    static const std::vector<std::string> PageCommands = {
        "check", "encoding", "tag-find", "tag-set", "tag-remove", "strip-tags", "colour-runs", "popup", "popup-run", "preview-file",
        "complete", "hover"};
    for (const ToolCommand& c : Commands()) {
        if (c.name == args[0]) {
            std::cout.sync_with_stdio(false);
            std::vector<std::string> rest(args.begin() + 1, args.end());
            if (std::find(PageCommands.begin(), PageCommands.end(), c.name) != PageCommands.end() &&
                !TakeEncodingOption(rest, std::cerr))
                return 2;
            return c.run(rest, std::cout, std::cerr);
        }
    }
    std::cerr << "velto-tool: unknown command '" << args[0] << "' (see velto-tool --help)\n";
    return 2;
}
