// velto-tool strip-tags FILE: the file's text with every tag removed, as Strip Tags does.
#include "PageInput.h"
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
    DocumentEncoding encoding;
    if (!ReadPageFile(args[0], text, encoding, err))
        return 1;
    out << InPageEncoding(StripTags(text), encoding);
    return 0;
}

} // namespace
} // namespace velto::tool
