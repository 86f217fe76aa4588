// velto-tool: runs one of the registered subcommands.
#include "ToolCommand.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <iostream>

namespace velto::tool {

std::vector<ToolCommand>& Commands() {
    static std::vector<ToolCommand> commands;
    return commands;
}

bool ReadInputFile(const std::string& path, std::string& text, std::ostream& err) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err << "velto-tool: cannot open " << path << '\n';
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = std::move(bytes).str();
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
    out << "\nOptions:\n  --help     show this help\n  --version  show the version\n";
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
    for (const ToolCommand& c : Commands()) {
        if (c.name == args[0]) {
            std::cout.sync_with_stdio(false);
            return c.run({args.begin() + 1, args.end()}, std::cout, std::cerr);
        }
    }
    std::cerr << "velto-tool: unknown command '" << args[0] << "' (see velto-tool --help)\n";
    return 2;
}
