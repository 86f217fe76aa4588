// The execute string that carries a second start's command line to the running copy, and
// the shell's own open command.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velto {

inline constexpr std::string_view HandOverPrefix = "[veltoCommandLine(\"";

// "[veltoCommandLine(\"%s\")]" with the raw command line put in verbatim.
[[nodiscard]] std::string FormatHandOverCommand(std::string_view rawCommandLine);

// The command line inside a hand-over command: the text between the prefix (compared
// case-sensitively) and the last three characters. Nothing for any other command, or for
// one too short to hold both ends.
[[nodiscard]] std::optional<std::string> HandOverCommandLine(std::string_view command);

// The file of the shell's "[open(\"file\")]" command, or nothing.
[[nodiscard]] std::optional<std::string> ShellOpenFile(std::string_view command);

} // namespace velto
