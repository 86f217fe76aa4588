// Names typed in the Site dock.
#include "core/site/SiteNewName.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace velto {

namespace {
// The longest file name the usual Linux file systems take, in bytes.
constexpr std::size_t MaxNameBytes = 255;
} // namespace

std::string_view TrimmedName(std::string_view name) noexcept {
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

std::string NewNameProblem(const std::string& folder, std::string_view name) {
    if (name.empty())
        return "Please type a name.";
    if (name.find('/') != std::string_view::npos)
        return "A name cannot contain '/'.";
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return "A name cannot contain control characters.";
    if (name == "." || name == "..")
        return "\"" + std::string(name) + "\" is not a name a file can have.";
    if (name.size() > MaxNameBytes)
        return "The name is too long.";
    std::error_code ec;
    const auto status =
        std::filesystem::symlink_status(std::filesystem::path(folder) / std::string(name), ec);
    if (status.type() != std::filesystem::file_type::not_found)
        return "\"" + std::string(name) + "\" already exists in " + folder + ".";
    return {};
}

std::string PageFileName(std::string_view name) {
    // A leading dot alone (".page") is a hidden name, not an extension.
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size())
        return std::string(name.substr(0, dot + 1 == name.size() ? dot : name.size())) + ".html";
    return std::string(name);
}

} // namespace velto
