// What a problem report says about the computer it was written on. The report text is
// made from this record alone, so the facts can be gathered from the running system or
// given by a test.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace velto {

// How much about the computer a report includes.
enum class ReportDetail { Concise, Standard, Detailed };

struct MemoryFacts {
    unsigned usePercent = 0; // of the physical memory in use
    std::uint64_t physTotal = 0;
    std::uint64_t physAvail = 0;
    std::uint64_t swapTotal = 0;
    std::uint64_t swapAvail = 0;
    std::uint64_t commitTotal = 0; // what the system can promise to its programs
    std::uint64_t commitAvail = 0; // of that, what is not promised yet
};

struct DriveFacts {
    std::string mountPoint;
    std::optional<std::uint64_t> freeBytes;  // unknown when statvfs fails
    std::optional<std::uint64_t> totalBytes;
    std::string kind; // "local fixed disk", "network drive", ...
};

// A file copied into the report: its name, the folder it is in (empty: the name alone
// is its path) and its bytes (nothing when it could not be read).
struct IncludedFile {
    std::string name;
    std::string folder;
    std::optional<std::string> bytes;
    ReportDetail from = ReportDetail::Concise; // the least detail that includes it
};

struct SystemFacts {
    std::string productName = "Velto";
    std::string productVersion;
    std::time_t now = 0;
    std::string platform;       // the system and its kernel
    std::string platformDetail; // the kernel's build
    std::string processor;
    std::optional<MemoryFacts> memory;
    std::optional<std::uint64_t> uptimeMinutes;
    std::optional<std::uint64_t> heapFree; // free bytes of the program's own heap
    std::vector<DriveFacts> drives;
    std::string executable;
    // Given in a detailed report: what the program runs on and with.
    std::string qtPlatform;       // the window system plug-in
    std::string qtVersion;        // the Qt library in use, and the one built against
    std::string qscintillaVersion;
    std::string webEngineVersion; // empty: the live preview's engine was not loaded
    std::string displayServer;    // X11, Wayland, or X11 through XWayland
    std::string desktop;
    std::string settingsPath;
    std::optional<std::uint64_t> settingsSize;
    std::vector<std::string> fonts; // what each kind of text asked for and was given
    std::optional<IncludedFile> settingsFile;
    std::vector<IncludedFile> includedFiles; // in report order
};

} // namespace velto
