// Whether a path names a file the editor can read into a document: a regular file that
// fits in a document and in the memory the machine has free.
#pragma once

#include "core/document/TransferMessages.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace velto {

// The most bytes a document holds: positions in the text control are 32-bit.
inline constexpr std::uint64_t MaxDocumentBytes = 0x7FFFFFFF - 1;
// A document costs its text and a style byte per character in the control, and a copy of
// the text while it is read in or written out.
inline constexpr std::uint64_t MemoryPerDocumentByte = 3;

// Why a file cannot be loaded: the kind of failure and its own description (the system's
// words, or "not a regular file").
struct FileRefusal {
    TransferFailure failure = TransferFailure::File;
    std::string description;
};

// Bytes of memory the machine can still give (available memory and free swap), or
// nullopt when that cannot be told.
using MemoryBudget = std::function<std::optional<std::uint64_t>()>;
std::optional<std::uint64_t> AvailableMemory();

// Nothing when path can be read as a document; otherwise why not. Folders, pipes,
// sockets and devices are refused without being opened, so a read never blocks on a
// pipe or runs for ever on a device. size, when given, receives the file's size.
std::optional<FileRefusal> CheckLoadableFile(const std::string& path, std::uint64_t* size = nullptr,
                                             const MemoryBudget& budget = AvailableMemory);

} // namespace velto
