// The hand-over execute string and the shell's open command.
#include "core/app/HandOverCommand.h"

namespace velto {

namespace {
constexpr std::string_view Suffix = "\")]";
}

std::string FormatHandOverCommand(std::string_view rawCommandLine) {
    std::string command(HandOverPrefix);
    command += rawCommandLine;
    command += Suffix;
    return command;
}

std::optional<std::string> HandOverCommandLine(std::string_view command) {
    // The last three characters are dropped whatever they are, as the sender always ends
    // with them; a command shorter than both ends together holds no command line.
    if (!command.starts_with(HandOverPrefix) ||
        command.size() < HandOverPrefix.size() + Suffix.size())
        return std::nullopt;
    return std::string(command.substr(HandOverPrefix.size(),
                                      command.size() - HandOverPrefix.size() - Suffix.size()));
}

std::optional<std::string> ShellOpenFile(std::string_view command) {
    constexpr std::string_view open = "[open(\"";
    if (!command.starts_with(open) || !command.ends_with(Suffix) ||
        command.size() < open.size() + Suffix.size())
        return std::nullopt;
    return std::string(command.substr(open.size(), command.size() - open.size() - Suffix.size()));
}

} // namespace velto
