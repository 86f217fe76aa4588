// A previewer's command line.
#include "core/preview/CommandLine.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace velto {

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            const std::size_t end = close == std::string_view::npos ? line.size() : close;
            word.append(line.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    const char next = line[i + 1];
                    if (next == '"' || next == '\\' || next == '$' || next == '`') {
                        word += next;
                        ++i;
                        continue;
                    }
                }
                word += line[i];
            }
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line[++i];
        } else {
            word += c;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

namespace {
bool IsProgram(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}
} // namespace

std::optional<std::string> FindProgram(const std::string& word, std::string_view searchPath) {
    if (word.empty())
        return std::nullopt;
    if (word.find('/') != std::string::npos)
        return IsProgram(word) ? std::optional<std::string>(word) : std::nullopt;
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos)
            end = searchPath.size();
        // An empty entry means the current folder, as the shell reads it.
        const std::string folder(end > start ? searchPath.substr(start, end - start) : ".");
        const std::filesystem::path candidate = std::filesystem::path(folder) / word;
        if (IsProgram(candidate))
            return candidate.string();
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<std::string> FindProgram(const std::string& word) {
    const char* path = std::getenv("PATH");
    return FindProgram(word, path ? path : "/usr/local/bin:/usr/bin:/bin");
}

std::vector<std::string> WithAddress(std::vector<std::string> arguments, const std::string& url) {
    bool placed = false;
    for (std::string& a : arguments) {
        for (std::size_t at = a.find("%u"); at != std::string::npos; at = a.find("%u", at + url.size())) {
            a.replace(at, 2, url);
            placed = true;
        }
    }
    if (!placed)
        arguments.push_back(url);
    return arguments;
}

} // namespace velto
