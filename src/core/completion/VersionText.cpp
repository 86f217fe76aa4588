// The versions and browsers a knowledge base record belongs to.
#include "core/completion/VersionText.h"

#include "core/config/HtmlConfig.h"

namespace velto {

namespace {
constexpr std::uint32_t HtmlBits =
    VersionBits::Html20 | VersionBits::Html30Draft | VersionBits::Html32 | VersionBits::Html40 |
    VersionBits::Html5;

void Append(std::string& line, const std::string& name) {
    line += line.back() == ':' ? " " : ", ";
    line += name;
}
} // namespace

std::vector<std::string> VersionLines(const CHtmlConfig& config, std::uint32_t versions) {
    if ((versions & VersionBits::Every) == VersionBits::Every)
        return {"Versions: every version"};
    std::string html = "Versions:";
    std::string browsers = "Browsers:";
    // In bit order, so that HTML5 follows HTML v4.0 and each browser its older release.
    for (std::uint32_t bit = 1; bit != 0 && bit <= VersionBits::Explorer40; bit <<= 1) {
        if ((versions & bit) == 0)
            continue;
        std::string name;
        for (const HtmlVer& v : config.versions)
            if (v.mask == bit)
                name = v.name;
        if (bit == VersionBits::Html30Draft)
            name = "HTML 3.0 drafts";
        else if (bit == VersionBits::Explorer40)
            name = "Internet Explorer 4.0";
        if (name.empty())
            continue;
        Append((bit & HtmlBits) != 0 ? html : browsers, name);
    }
    std::vector<std::string> lines;
    if (html.back() != ':')
        lines.push_back(std::move(html));
    if (browsers.back() != ':')
        lines.push_back(std::move(browsers));
    return lines;
}

bool IsObsoleteInHtml5(std::uint32_t versions) noexcept {
    if ((versions & VersionBits::Obsolete) != 0)
        return true;
    return (versions & VersionBits::Every) != 0 && (versions & VersionBits::Html5) == 0;
}

} // namespace velto
