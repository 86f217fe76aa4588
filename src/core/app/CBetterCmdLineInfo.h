// The command line of one start: the shell command, every document file, the print-to
// printer, and the flags, read one parameter at a time.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velto {

class CBetterCmdLineInfo {
public:
    // The shell commands, numbered as the framework numbers them.
    enum ShellCommand { FileNew = 0, FileOpen = 1, FilePrint = 2, FilePrintTo = 3, FileDDE = 4 };
    using FileExistsFn = std::function<bool(const std::string& path)>;

    // fileExists answers whether a name (as written, relative to the starting folder)
    // names an existing file; rawCommandLine is the whole command line the parameters
    // came from, examined when the first file does not exist.
    explicit CBetterCmdLineInfo(FileExistsFn fileExists = {}, std::string rawCommandLine = {});

    // One parameter: a flag (its sign already dropped) or a plain parameter. isLast ends
    // the parse.
    void ParseParam(const std::string& param, bool isFlag, bool isLast);

    bool showSplash = true;
    bool runEmbedded = false;
    bool runAutomated = false;
    bool userControl = true; // the shell's DDE start turns it off
    ShellCommand shellCommand = FileNew;
    std::string fileName; // always the first of files
    std::string printerName;
    std::string driverName;
    std::string portName;
    std::vector<std::string> files;
    bool wholeLineTaken = false;
    // "--help" and "--version", as users of this platform expect them.
    bool wantsHelp = false;
    bool wantsVersion = false;

private:
    void ParseFlag(const std::string& flag);
    void ParsePlain(const std::string& param);
    void AddFile(const std::string& param);
    // The rest of the raw command line after the leading flags, or empty.
    [[nodiscard]] std::string RawRemainder() const;
    void ParseLast();

    FileExistsFn fileExists_;
    std::string raw_;
};

// The text "--help" prints.
[[nodiscard]] std::string CommandLineUsage(const std::string& programName);

} // namespace velto
