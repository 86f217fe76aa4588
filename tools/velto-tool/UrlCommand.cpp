// velto-tool url DOCFOLDER TEXT: the URL that pasting TEXT inserts in a document there.
#include "ToolCommand.h"

#include "core/assist/InsertableUrl.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"url", "DOCFOLDER TEXT",
     "print the URL inserted for TEXT (a URL, e-mail address or file path) in a document in "
     "DOCFOLDER, with file paths made relative",
     Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return UsageError("url", err);
    out << MakeInsertableUrl(args[1], AbsolutePath(args[0]), true) << '\n';
    return 0;
}

} // namespace
} // namespace velto::tool
