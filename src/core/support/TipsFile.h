// The tips file of the tip of the day: one tip a line, "^" at a line's end continuing the
// tip on the next line, lines beginning with a blank, a tab or ";" skipped; read from a
// remembered position and starting over after the last tip.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace velto {

class CTipsFile {
public:
    static constexpr std::size_t MaxTip = 1000; // characters of a line and of a tip

    // The first of the candidates that opens for reading.
    [[nodiscard]] static std::optional<std::string> Find(const std::vector<std::string>& candidates);
    // The 24-character calendar form of the file's modification time
    // ("Mon Dec  7 09:32:02 2026"), or empty when it cannot be read.
    [[nodiscard]] static std::string TimeStamp(const std::string& path);

    bool Open(const std::string& path);
    [[nodiscard]] bool IsOpen() const { return in_.is_open(); }
    // Moves to a byte position; false when that fails (a position past the end starts
    // from the beginning).
    bool Seek(std::int64_t position);
    [[nodiscard]] std::int64_t Position();
    // The tip from the current position on, going round to the first tip after the last;
    // nothing when the file holds no tip at all.
    std::optional<std::string> NextTip();

private:
    bool ReadLine(std::string& line);

    std::ifstream in_;
};

} // namespace velto
