// Helpers the subcommands share: the version selection and offsets.
#include "ToolCommand.h"

#include "core/config/HtmlConfig.h"

#include <charconv>
#include <climits>
#include <ostream>

namespace velto::tool {

bool SelectVersions(CHtmlConfig& config, const std::string& list, std::ostream& err) {
    for (HtmlVer& v : config.versions)
        v.state = 0;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        std::string name = list.substr(start, end - start);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        if (!config.SetVersionState(name, VersionState::AnyOf)) {
            err << "velto-tool: unknown version '" << name << "'; the versions are:\n";
            for (const HtmlVer& v : config.versions)
                err << "  " << v.name << '\n';
            return false;
        }
        start = end + 1;
    }
    return true;
}

std::optional<int> ParseOffset(const std::string& text, std::ostream& err) {
    long long offset = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), offset);
    if (ec != std::errc() || end != text.data() + text.size() || offset < 0 || offset > INT_MAX) {
        err << "velto-tool: the offset must be a whole number from 0 up, not '" << text << "'\n";
        return std::nullopt;
    }
    return static_cast<int>(offset);
}

} // namespace velto::tool
