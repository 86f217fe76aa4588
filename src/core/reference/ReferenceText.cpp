// Escaping, anchor names, version badges and the frame of every reference page.
#include "core/reference/ReferenceText.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/AsciiCase.h"

#include <array>

namespace velto::reftext {

namespace {

struct VersionName {
    std::uint32_t bit;
    std::string_view text;
};

constexpr std::array<VersionName, 11> Versions = {{
    {VersionBits::Html20, "HTML 2.0"},
    {VersionBits::Html30Draft, "HTML 3.0 draft"},
    {VersionBits::Html32, "HTML 3.2"},
    {VersionBits::Html40, "HTML 4.0"},
    {VersionBits::Html5, "HTML5"},
    {VersionBits::Navigator20, "Navigator 2.0"},
    {VersionBits::Navigator30, "Navigator 3.0"},
    {VersionBits::Explorer20, "Internet Explorer 2.0"},
    {VersionBits::Explorer30, "Internet Explorer 3.0"},
    {VersionBits::Explorer40, "Internet Explorer 4.0"},
    {VersionBits::Obsolete, "obsolete"},
}};

// Kept small: QTextBrowser understands type and class selectors, colours and margins.
constexpr std::string_view Style = "BODY { font-family: sans-serif; }\n"
                                   "H1 { color: #203060; }\n"
                                   "H2 { color: #203060; background-color: #e8ecf4; }\n"
                                   "SPAN.ver { color: #204020; background-color: #e4f0e4; }\n"
                                   "SPAN.old { color: #602020; background-color: #f4e4e4; }\n"
                                   "P.nav { font-size: small; }\n"
                                   ".center { text-align: center; }\n"
                                   "TH { background-color: #e8ecf4; text-align: left; }\n";

} // namespace

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Slug(std::string_view name) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out;
    for (char c : name) {
        const char lower = ascii::Lower(c);
        if ((lower >= 'a' && lower <= 'z') || (c >= '0' && c <= '9') || c == '-') {
            out += lower;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += '_';
            out += Hex[byte >> 4];
            out += Hex[byte & 0xf];
        }
    }
    return out;
}

std::string IndexField(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        const bool blank =
            c == ';' || c == ',' || static_cast<unsigned char>(c) < 0x20 || c == ' ' || c == 0x7f;
        if (blank) {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

std::string IndexTitle(std::string_view text) {
    return IndexField(text.substr(0, text.find_first_of(",;")));
}

std::vector<std::string> VersionNames(std::uint32_t versions) {
    std::vector<std::string> names;
    if ((versions & VersionBits::Every) == VersionBits::Every) {
        names.emplace_back("every version");
        versions &= ~VersionBits::Every;
    }
    for (const VersionName& v : Versions)
        if ((versions & v.bit) != 0)
            names.emplace_back(v.text);
    return names;
}

std::string VersionBadges(std::uint32_t versions) {
    // One badge per family, "HTML 3.2, 4.0" rather than a badge per version, so that a
    // record of many versions still reads at a glance.
    struct Family {
        std::string_view name;
        std::uint32_t bits;
    };
    static constexpr Family Families[] = {
        {"HTML", VersionBits::Html20 | VersionBits::Html30Draft | VersionBits::Html32 |
                     VersionBits::Html40},
        {"HTML5", VersionBits::Html5},
        {"Navigator", VersionBits::Navigator20 | VersionBits::Navigator30},
        {"Internet Explorer",
         VersionBits::Explorer20 | VersionBits::Explorer30 | VersionBits::Explorer40},
    };
    std::vector<std::string> badges;
    if ((versions & VersionBits::Every) == VersionBits::Every) {
        badges.emplace_back("<SPAN CLASS=\"ver\">every version</SPAN>");
    } else {
        for (const Family& family : Families) {
            std::string text;
            for (const VersionName& v : Versions) {
                if ((v.bit & family.bits) == 0 || (versions & v.bit) == 0)
                    continue;
                // "HTML 3.0 draft" gives "3.0 draft" after the family name; a family of
                // one version ("HTML5") is its name alone.
                if (v.text == family.name) {
                    text = v.text;
                    continue;
                }
                text += text.empty() ? std::string(family.name) + " " : std::string(", ");
                text += v.text.substr(family.name.size() + 1);
            }
            if (!text.empty())
                badges.push_back("<SPAN CLASS=\"ver\">" + Escape(text) + "</SPAN>");
        }
    }
    if ((versions & VersionBits::Obsolete) != 0)
        badges.emplace_back("<SPAN CLASS=\"old\">obsolete</SPAN>");
    if (badges.empty())
        return "<SPAN CLASS=\"old\">none listed</SPAN>";
    std::string out;
    for (const std::string& badge : badges)
        out += (out.empty() ? "" : " &nbsp; ") + badge;
    return out;
}

std::string PageStart(std::string_view title) {
    std::string out = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
                      "\"http://www.w3.org/TR/html4/strict.dtd\">\n"
                      "<HTML>\n<HEAD>\n"
                      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                      "<TITLE>";
    out += Escape(title);
    out += "</TITLE>\n<STYLE TYPE=\"text/css\">\n";
    out += Style;
    out += "</STYLE>\n</HEAD>\n<BODY>\n";
    return out;
}

std::string PageEnd() {
    return "</BODY>\n</HTML>\n";
}

} // namespace velto::reftext
