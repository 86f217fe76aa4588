// velto-tool shown-lines [--offsets] FILE: how the editor shows a file's long lines broken.
#include "MappedInput.h"
#include "ToolCommand.h"

#include "core/document/DisplayBreakPlanner.h"

#include <algorithm>
#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"shown-lines", "[--offsets] FILE",
     "say how the editor shows the file: its lines, how many are long enough to be shown "
     "broken, the breaks (line ends shown but never saved) and the longest line shown; with "
     "--offsets, the byte offset before which each break is shown instead",
     Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool offsets = !args.empty() && args[0] == "--offsets";
    if (args.size() != (offsets ? 2u : 1u) || args.back().starts_with("--"))
        return UsageError("shown-lines", err);
    MappedInput input;
    if (!input.Open(args.back(), err))
        return 1;
    const std::string_view text = input.Bytes();
    const std::vector<int> breaks = DisplayBreakPlanner::PlanWhole(text);
    if (offsets) {
        for (const int at : breaks)
            out << at << '\n';
        return out ? 0 : 1;
    }
    // The lines as the control counts them (CR, LF or CR LF end one), and the shown ones.
    std::size_t lines = 1;
    std::size_t longLines = 0;
    std::size_t longestShown = 0;
    std::size_t shownStart = 0;
    bool broken = false;
    auto nextBreak = breaks.begin();
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (nextBreak != breaks.end() && static_cast<std::size_t>(*nextBreak) == i) {
            longestShown = std::max(longestShown, i - shownStart);
            shownStart = i;
            broken = true;
            ++nextBreak;
        }
        const bool end = i == text.size();
        if (end || text[i] == '\r' || text[i] == '\n') {
            longestShown = std::max(longestShown, i - shownStart);
            longLines += broken ? 1 : 0;
            broken = false;
            if (!end && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            shownStart = i + 1;
            lines += end ? 0 : 1;
        }
    }
    out << "lines " << lines << "\nshown broken " << longLines << "\nbreaks " << breaks.size()
        << "\nlongest shown line " << longestShown << '\n';
    return out ? 0 : 1;
}

} // namespace
} // namespace velto::tool
