// velto-tool strip-tags FILE: the file's text with every tag removed, as Strip Tags does.
#include "ToolCommand.h"

#include "core/tagassist/TagSyntax.h"

#include <fstream>
#include <ostream>
#include <sstream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{{"strip-tags", "FILE",
                           "print the file's text with every tag removed, as Strip Tags does",
                           Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1)
        return UsageError("strip-tags", err);
    std::ifstream in(args[0], std::ios::binary);
    if (!in) {
        err << "velto-tool: cannot open " << args[0] << '\n';
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    out << StripTags(text.str());
    return 0;
}

} // namespace
} // namespace velto::tool
