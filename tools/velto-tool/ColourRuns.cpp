// Printing style runs for colour-runs and colour-edits.
#include "ColourRuns.h"

#include <ostream>

namespace velto::tool {

void PrintRun(std::size_t start, std::size_t end, std::uint8_t style, std::ostream& out) {
    out << start << ' ' << end << ' ' << ClassName(style) << '\n';
}

void PrintRuns(std::span<const std::uint8_t> styles, std::ostream& out) {
    for (std::size_t start = 0, i = 0; i < styles.size(); start = i) {
        while (i < styles.size() && styles[i] == styles[start])
            ++i;
        PrintRun(start, i, styles[start], out);
    }
}

} // namespace velto::tool
