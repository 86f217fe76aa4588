// velto-tool colour TEXT: a colour value or name read as the colour assistants read it.
#include "ToolCommand.h"

#include "core/colours/ColourText.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"colour", "TEXT", "print a colour name or hexadecimal value as \"#rrggbb\"", Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1)
        return UsageError("colour", err);
    const ColourRef colour = ColourFromText(args[0], true);
    if (colour == NoColour) {
        err << "velto-tool: not a colour: " << args[0] << '\n';
        return 1;
    }
    out << TextFromColour(colour, false) << '\n';
    return 0;
}

} // namespace
} // namespace velto::tool
