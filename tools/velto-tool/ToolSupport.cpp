// Helpers the subcommands share: the version selection and offsets.
#include "ToolCommand.h"

#include "core/config/HtmlConfig.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <climits>
#include <filesystem>
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

std::string AbsolutePath(const std::string& path) {
    // Full paths, and Windows-style ones ("C:\\web", "\\\\server"), which the URL rules
    // read as they are.
    const bool drive = path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                       (path[1] == ':' || path[1] == '|');
    if (path.empty() || path.front() == '/' || path.front() == '\\' || drive)
        return path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

std::optional<long long> ParseOffset(const std::string& text, std::ostream& err) {
    const bool digits = !text.empty() && std::all_of(text.begin(), text.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) {
        err << "velto-tool: the offset must be a whole number from 0 up, not '" << text << "'\n";
        return std::nullopt;
    }
    // Too many digits for a number is still a place far past the end of any file.
    long long offset = LLONG_MAX;
    std::from_chars(text.data(), text.data() + text.size(), offset);
    return offset;
}

std::optional<int> OffsetInFile(long long offset, std::size_t size, const std::string& path,
                                std::ostream& err) {
    if (offset < 0 || static_cast<unsigned long long>(offset) > size || offset > INT_MAX) {
        err << "velto-tool: offset " << offset << " is past the end of " << path << " (" << size
            << " bytes)\n";
        return std::nullopt;
    }
    return static_cast<int>(offset);
}

} // namespace velto::tool
