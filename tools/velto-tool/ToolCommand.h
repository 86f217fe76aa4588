// Subcommands of velto-tool register themselves here, one source file each.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace velto {
class CHtmlConfig;
}

namespace velto::tool {

struct ToolCommand {
    std::string name;
    std::string usage;   // arguments after the name, e.g. "FILE OFFSET"
    std::string summary; // one line for --help
    // Runs with the arguments after the name; returns the exit status.
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>
        run;
};

std::vector<ToolCommand>& Commands();

// Adds a command at static initialisation: `static Registrar r{{"name", ...}};`
struct Registrar {
    explicit Registrar(ToolCommand command) { Commands().push_back(std::move(command)); }
};

// Reads a whole file as bytes into text; on failure says so on err and returns false.
bool ReadInputFile(const std::string& path, std::string& text, std::ostream& err);

// Selects exactly the named versions (comma separated), each in the "any of" set; an
// unknown name is reported with the list of versions.
bool SelectVersions(CHtmlConfig& config, const std::string& list, std::ostream& err);

// A file or folder named on the command line as the editor names it: by its full path,
// whatever folder the tool runs in.
[[nodiscard]] std::string AbsolutePath(const std::string& path);

// A byte offset or count argument: a whole number from 0 up (one too large for any number
// comes back as the largest); reported and nothing otherwise.
std::optional<long long> ParseOffset(const std::string& text, std::ostream& err);
// The offset when it lies within a file of size bytes (its end included); reported as past
// the end of path and nothing otherwise.
std::optional<int> OffsetInFile(long long offset, std::size_t size, const std::string& path,
                                std::ostream& err);

// Prints "Usage: velto-tool NAME USAGE" for the named command to err and returns 2.
int UsageError(const std::string& name, std::ostream& err);

} // namespace velto::tool
