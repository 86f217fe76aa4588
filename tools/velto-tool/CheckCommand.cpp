// velto-tool check FILE... [--versions LIST] [--format gnu|json]: Check Page on files, for
// scripts and the continuous integration of a site.
#include "PageInput.h"
#include "ToolCommand.h"

#include "core/check/CheckVocabulary.h"
#include "core/check/PageChecker.h"
#include "core/check/ProblemFormat.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"

#include <filesystem>
#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"check", "FILE... [--versions LIST] [--format gnu|json]",
     "check HTML pages against the selected versions (comma separated, such as html5 or "
     "\"html4,ie3\"; all by default); lines and columns count from 1, columns in "
     "characters; the byte offsets of JSON count the page's text in UTF-8, the file's own "
     "bytes only for a UTF-8 file without a byte order mark or a page kept as raw bytes; exit "
     "status 1 when an error was found, 2 when a file could not be read",
     Run}};

// Short names of the versions, beside their full names.
std::string VersionName(std::string name) {
    static const std::pair<std::string_view, std::string_view> Aliases[] = {
        {"html2", "HTML v2.0"},
        {"html2.0", "HTML v2.0"},
        {"2.0", "HTML v2.0"},
        {"html3.2", "HTML v3.2"},
        {"html32", "HTML v3.2"},
        {"3.2", "HTML v3.2"},
        {"html4", "HTML v4.0"},
        {"html4.0", "HTML v4.0"},
        {"html4.01", "HTML v4.0"},
        {"4.0", "HTML v4.0"},
        {"html5", "HTML5"},
        {"5", "HTML5"},
        {"ie2", "Internet Explorer 2.0"},
        {"ie3", "Internet Explorer 3.0"},
        {"nn2", "Netscape Navigator 2.0"},
        {"nn3", "Netscape Navigator 3.0"},
    };
    const std::string lower = ascii::ToLower(name);
    for (const auto& [alias, full] : Aliases)
        if (lower == alias)
            return std::string(full);
    return name;
}

std::string ExpandVersions(const std::string& list) {
    std::string expanded;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        std::string name = list.substr(start, end - start);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        expanded += (expanded.empty() ? "" : ",") + VersionName(name);
        start = end + 1;
    }
    return expanded;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    std::string versions;
    std::string format = "gnu";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--versions" && i + 1 < args.size())
            versions = args[++i];
        else if (args[i] == "--format" && i + 1 < args.size())
            format = args[++i];
        else if (args[i].starts_with("--"))
            return UsageError("check", err);
        else
            files.push_back(args[i]);
    }
    if (files.empty() || (format != "gnu" && format != "json"))
        return UsageError("check", err);

    CHtmlConfig html;
    if (!versions.empty() && !SelectVersions(html, ExpandVersions(versions), err))
        return 2;
    const CEditorConfig editor;
    HtmlKnowledgeBase kb(html, editor);
    kb.RebuildAllowed();
    const CheckVocabulary vocabulary(kb);

    int status = 0;
    bool firstJson = true;
    if (format == "json")
        out << "{\"files\": [";
    for (const std::string& file : files) {
        std::string text;
        DocumentEncoding encoding;
        if (!ReadPageFile(file, text, encoding, err)) {
            status = 2;
            continue;
        }
        CheckOptions options;
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(file, error);
        options.documentPath = error ? file : absolute.string();
        const std::vector<Problem> problems = CheckPage(text, vocabulary, options);
        for (const Problem& p : problems)
            if (p.severity == Severity::Error && status == 0)
                status = 1;
        if (format == "json") {
            out << (firstJson ? "\n" : ",\n");
            firstJson = false;
            WriteJson(out, file, encoding.Label(), text, problems);
        } else {
            WriteGnu(out, file, text, problems);
        }
    }
    if (format == "json")
        out << "\n]}\n";
    return status;
}

} // namespace
} // namespace velto::tool
