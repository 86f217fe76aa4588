// CTextConfigFile: reads keyword files ("KEY value ; comment") line by line, forward only.
#include "core/config/TextConfigFile.h"

#include <filesystem>
#include <system_error>

namespace velto {

namespace {
// The blanks that separate a key from its value and that trimming removes.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
} // namespace

bool CTextConfigFile::Open(const std::string& path) {
    Close();
    // Only regular files: a folder would open as an empty stream, and opening a named pipe
    // would wait for a writer.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    return file_.open(path, std::ios::in | std::ios::binary) != nullptr;
}

void CTextConfigFile::Close() {
    if (file_.is_open())
        file_.close();
    currentLine_.clear();
}

bool CTextConfigFile::ReadRawLine(std::string& raw) {
    raw.clear();
    using Traits = std::filebuf::traits_type;
    int c = file_.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof()))
        return false;
    while (!Traits::eq_int_type(c, Traits::eof()) && c != '\n') {
        if (raw.size() < MaxLineLength)
            raw.push_back(Traits::to_char_type(c));
        c = file_.sbumpc();
    }
    // CR LF and LF are both one line end.
    if (c == '\n' && !raw.empty() && raw.back() == '\r')
        raw.pop_back();
    return true;
}

std::string CTextConfigFile::CleanLine(std::string_view raw) const {
    if (!commentMarker_.empty()) {
        const std::size_t comment = raw.find(commentMarker_);
        if (comment != std::string_view::npos)
            raw = raw.substr(0, comment);
    }
    return std::string(Trim(raw));
}

bool CTextConfigFile::ReadLine(std::string* line) {
    if (line == nullptr || !file_.is_open())
        return false;
    std::string raw;
    while (ReadRawLine(raw)) {
        std::string clean = CleanLine(raw);
        if (clean.empty() && skipEmptyLines_)
            continue;
        currentLine_ = std::move(clean);
        *line = currentLine_;
        return true;
    }
    return false;
}

bool CTextConfigFile::ReadKey(std::string* key, std::string* value) {
    if (key == nullptr)
        return false;
    std::string line;
    if (!ReadLine(&line))
        return false;
    const std::string_view k = KeyOf(line);
    if (value != nullptr)
        *value = ValueOf(line, k.size());
    *key = k;
    return true;
}

bool CTextConfigFile::ReadNextKey(std::string* key, std::string* value) {
    if (key == nullptr)
        return false;
    key->clear();
    while (key->empty()) {
        if (!ReadKey(key, value))
            return false;
    }
    return true;
}

bool CTextConfigFile::FindKey(std::string_view key, std::string* value, std::string* line) {
    if (key.empty())
        return false;
    std::string readKey;
    while (ReadKey(&readKey)) {
        if (readKey != key)
            continue;
        if (value != nullptr)
            *value = ValueOf(currentLine_, key.size());
        if (line != nullptr)
            *line = currentLine_;
        return true;
    }
    return false;
}

std::string_view CTextConfigFile::KeyOf(std::string_view line) {
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end]))
        ++end;
    return line.substr(0, end);
}

std::string_view CTextConfigFile::ValueOf(std::string_view line, std::size_t keyLength) {
    return keyLength < line.size() ? Trim(line.substr(keyLength)) : std::string_view();
}

std::string_view CTextConfigFile::Trim(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin]))
        ++begin;
    std::size_t end = text.size();
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

} // namespace velto
