// Whether a path names a file the editor can read into a document.
#include "core/document/LoadableFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace velto {

namespace {
std::string Megabytes(std::uint64_t bytes) {
    return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB";
}
} // namespace

std::optional<std::uint64_t> AvailableMemory() {
    std::ifstream meminfo("/proc/meminfo");
    if (!meminfo)
        return std::nullopt;
    std::uint64_t available = 0;
    bool known = false;
    std::string line;
    while (std::getline(meminfo, line)) {
        std::istringstream fields(line);
        std::string key;
        std::uint64_t kilobytes = 0;
        if (!(fields >> key >> kilobytes))
            continue;
        if (key == "MemAvailable:" || key == "SwapFree:") {
            available += kilobytes * 1024;
            known = known || key == "MemAvailable:";
        }
    }
    return known ? std::optional<std::uint64_t>(available) : std::nullopt;
}

std::optional<FileRefusal> CheckLoadableFile(const std::string& path, std::uint64_t* size,
                                             const MemoryBudget& budget) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec)
        return FileRefusal{TransferFailure::File, ec.message()};
    if (status.type() != fs::file_type::regular)
        return FileRefusal{TransferFailure::File, "not a regular file"};
    const std::uintmax_t bytes = fs::file_size(path, ec);
    if (ec)
        return FileRefusal{TransferFailure::File, ec.message()};
    if (size)
        *size = bytes;
    if (bytes > MaxDocumentBytes)
        return FileRefusal{TransferFailure::File,
                           "too large to edit (" + Megabytes(bytes) +
                               "; a document holds at most 2 GB)"};
    if (budget) {
        const std::optional<std::uint64_t> free = budget();
        if (free && bytes * MemoryPerDocumentByte > *free)
            return FileRefusal{TransferFailure::Memory,
                               "opening it needs about " +
                                   Megabytes(bytes * MemoryPerDocumentByte) + " of memory, and " +
                                   Megabytes(*free) + " is free"};
    }
    return std::nullopt;
}

} // namespace velto
