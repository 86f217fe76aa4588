// The raw command line: one string of parameters, split the way a handed-over command line
// is split, and made from a process's arguments.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class CBetterCmdLineInfo;

struct CmdLineToken {
    std::string text; // a flag without its sign; a quoted token keeps its quotes
    bool isFlag = false;
    bool operator==(const CmdLineToken&) const = default;
};

[[nodiscard]] constexpr bool IsBlank(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
// Only "-" introduces a flag here: "/" begins every absolute path.
[[nodiscard]] constexpr bool IsFlagSign(char c) noexcept {
    return c == '-';
}
[[nodiscard]] std::size_t SkipBlanks(std::string_view text, std::size_t pos) noexcept;

// Splits a raw command line: a parameter beginning with "-" is a flag; a token beginning
// with a double quote runs to the matching quote (a backslash inside quotes takes the next
// character as it is) and keeps its quotes; any other token ends at white space or a
// comma; after a token, white space and one comma are skipped.
[[nodiscard]] std::vector<CmdLineToken> SplitRawCommandLine(std::string_view raw);

// Splits the raw command line and hands every token to info.ParseParam, the last one
// marked as such.
void ParseRawCommandLine(std::string_view raw, CBetterCmdLineInfo& info);

// The raw command line of a process: its arguments joined by blanks; an argument that is
// empty or holds a blank, a comma or a double quote is quoted, with backslashes before
// quotes and backslashes inside, so that splitting gives the arguments back.
[[nodiscard]] std::string JoinArguments(const std::vector<std::string>& args);

} // namespace velto
