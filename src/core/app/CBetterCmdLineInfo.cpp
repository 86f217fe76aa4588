// The command line of one start, read one parameter at a time.
#include "core/app/CBetterCmdLineInfo.h"

#include "core/app/RawCommandLine.h"

namespace velto {

namespace {
// The parameter without an enclosing pair of double quotes.
std::string Unquoted(const std::string& param) {
    if (param.size() >= 2 && param.front() == '"' && param.back() == '"')
        return param.substr(1, param.size() - 2);
    return param;
}
} // namespace

CBetterCmdLineInfo::CBetterCmdLineInfo(FileExistsFn fileExists, std::string rawCommandLine)
    : fileExists_(std::move(fileExists)), raw_(std::move(rawCommandLine)) {}

void CBetterCmdLineInfo::ParseParam(const std::string& param, bool isFlag, bool isLast) {
    if (isFlag)
        ParseFlag(param);
    else
        ParsePlain(param);
    if (isLast)
        ParseLast();
}

void CBetterCmdLineInfo::ParseFlag(const std::string& flag) {
    // Flags are compared case-sensitively; unknown ones are ignored.
    if (flag == "p") {
        shellCommand = FilePrint;
    } else if (flag == "pt") {
        shellCommand = FilePrintTo;
    } else if (flag == "dde") {
        shellCommand = FileDDE;
        userControl = false;
    } else if (flag == "Embedding") {
        runEmbedded = true;
        showSplash = false;
    } else if (flag == "Automation") {
        runAutomated = true;
        showSplash = false;
    } else if (flag == "-help") {
        wantsHelp = true;
    } else if (flag == "-version") {
        wantsVersion = true;
    }
}

void CBetterCmdLineInfo::ParsePlain(const std::string& param) {
    if (shellCommand == FilePrintTo && !fileName.empty()) {
        // After the file come printer, driver and port, each filled only while empty. A
        // quoted printer name ("Laser Jet") loses its quotes like a file name.
        if (printerName.empty())
            printerName = Unquoted(param);
        else if (driverName.empty())
            driverName = Unquoted(param);
        else if (portName.empty())
            portName = Unquoted(param);
        return;
    }
    if (!wholeLineTaken)
        AddFile(param);
}

void CBetterCmdLineInfo::AddFile(const std::string& param) {
    const std::string name = Unquoted(param);
    if (name.empty())
        return; // nothing to open
    files.push_back(name);
    if (files.size() == 1 && param.front() != '"' && fileExists_ &&
        !fileExists_(name)) {
        // An unquoted name with blanks arrives as several words: the rest of the raw
        // command line, taken whole, may name the file.
        const std::string rest = RawRemainder();
        if (!rest.empty() && rest != name && fileExists_(rest)) {
            files.front() = rest;
            wholeLineTaken = true;
        }
    }
    fileName = files.front();
}

std::string CBetterCmdLineInfo::RawRemainder() const {
    std::size_t pos = SkipBlanks(raw_, 0);
    // Skip the leading flags, each with the white space after it.
    while (pos < raw_.size() && IsFlagSign(raw_[pos])) {
        while (pos < raw_.size() && !IsBlank(raw_[pos]))
            ++pos;
        pos = SkipBlanks(raw_, pos);
    }
    std::size_t end = raw_.size();
    while (end > pos && IsBlank(raw_[end - 1]))
        --end;
    return raw_.substr(pos, end - pos);
}

void CBetterCmdLineInfo::ParseLast() {
    if (shellCommand == FileNew && !fileName.empty())
        shellCommand = FileOpen;
    showSplash = !runEmbedded && !runAutomated;
}

std::string CommandLineUsage(const std::string& programName) {
    return "Usage: " + programName +
           " [options] [file...]\n"
           "An HTML source editor. Files named are opened; when Velto is already running,\n"
           "they open in the running copy.\n\n"
           "Options:\n"
           "  -p FILE                          print FILE on the default printer and end\n"
           "  -pt FILE PRINTER [DRIVER] [PORT] print FILE on PRINTER and end\n"
           "  -dde                             start hidden, waiting for a hand-over\n"
           "  --help                           show this text and end\n"
           "  --version                        show the version and end\n";
}

} // namespace velto
