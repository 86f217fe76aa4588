// The tips file of the tip of the day.
#include "core/support/TipsFile.h"

#include "core/support/FixedTimeText.h"

#include <chrono>
#include <ctime>
#include <filesystem>

#include <sys/stat.h>

namespace velto {

std::optional<std::string> CTipsFile::Find(const std::vector<std::string>& candidates) {
    for (const std::string& path : candidates) {
        std::error_code ec;
        if (path.empty() || !std::filesystem::is_regular_file(path, ec))
            continue;
        std::ifstream probe(path, std::ios::binary);
        if (probe)
            return path;
    }
    return std::nullopt;
}

std::string CTipsFile::TimeStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return CalendarTimeText(LocalTime(st.st_mtime));
}

bool CTipsFile::Open(const std::string& path) {
    in_.close();
    in_.clear();
    in_.open(path, std::ios::binary);
    return in_.is_open();
}

bool CTipsFile::Seek(std::int64_t position) {
    in_.clear();
    in_.seekg(0, std::ios::end);
    const std::int64_t size = in_.tellg();
    if (!in_)
        return false;
    in_.seekg(position >= 0 && position < size ? position : 0);
    return static_cast<bool>(in_);
}

std::int64_t CTipsFile::Position() {
    in_.clear();
    return in_.tellg();
}

bool CTipsFile::ReadLine(std::string& line) {
    line.clear();
    char c;
    bool any = false;
    while (in_.get(c)) {
        any = true;
        if (c == '\n')
            break;
        if (line.size() < MaxTip)
            line += c; // the rest of an over-long line is dropped
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return any;
}

std::optional<std::string> CTipsFile::NextTip() {
    if (!in_.is_open())
        return std::nullopt;
    bool wrapped = false;
    std::string line;
    for (;;) {
        if (!ReadLine(line)) {
            if (wrapped)
                return std::nullopt; // a whole pass found no tip
            wrapped = true;
            in_.clear();
            in_.seekg(0);
            continue;
        }
        if (line.empty() || line[0] == ' ' || line[0] == '\t' || line[0] == ';')
            continue;
        std::string tip = line;
        while (!tip.empty() && tip.back() == '^' && tip.size() < MaxTip) {
            tip.back() = '\n';
            if (!ReadLine(line))
                break;
            tip += line;
        }
        if (tip.size() > MaxTip)
            tip.resize(MaxTip);
        return tip;
    }
}

} // namespace velto
