// velto-tool strip-tags FILE: the file's text with every tag removed, as Strip Tags does.
#include "ToolCommand.h"

#include "core/tagassist/TagSyntax.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{{"strip-tags", "FILE",
                           "print the file's text with every tag removed, as Strip Tags does",
                           Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1)
        return UsageError("strip-tags", err);
    std::string text;
    if (!ReadInputFile(args[0], text, err))
        return 1;
    out << StripTags(text);
    return 0;
}

} // namespace
} // namespace velto::tool
