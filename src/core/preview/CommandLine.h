// A previewer's command line: split into words as a shell splits them, the program found
// on the search path, and the address to open placed among the arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

// Words separated by blanks; '...' is taken literally, "..." keeps blanks and takes a
// backslash before one of " \ $ ` as an escape, and outside quotes a backslash takes the
// next character as it is.
// An unclosed quote runs to the end of the line.
[[nodiscard]] std::vector<std::string> SplitCommandLine(std::string_view line);

// The program a word names: a word with a '/' is taken as a path, any other is looked up
// in the folders of searchPath (':'-separated, as $PATH). Only an executable regular file
// counts.
[[nodiscard]] std::optional<std::string> FindProgram(const std::string& word, std::string_view searchPath);
[[nodiscard]] std::optional<std::string> FindProgram(const std::string& word);

// The arguments after the program with the address put in place of every "%u" they hold,
// or added as the last argument when none does.
[[nodiscard]] std::vector<std::string> WithAddress(std::vector<std::string> arguments, const std::string& url);

} // namespace velto
