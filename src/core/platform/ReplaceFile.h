// Writing a whole file safely: the bytes go to a new temporary file beside it, which then
// replaces the file in one rename, so a failed write never leaves a half-written file.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace velto {

enum class ReplaceResult {
    Written,
    CannotCreate, // the temporary file could not be created (no folder, no permission)
    WriteFailed,  // writing, flushing or the rename failed; the old file is untouched
};

// What becomes of the file that stands at the path.
enum class ExistingFile {
    // Whatever stands there (a symbolic link, a hard link, a pipe) gives way to a new
    // regular file of ours; nothing is ever written through it. For the program's own
    // files: previews, recovery files, reports.
    Replace,
    // A user's document keeps what it was: a symbolic link is followed and its target
    // saved; the owner, group and permissions stay; a file with more than one name (or
    // whose owner this user cannot give it back) is written in place, once its new
    // contents are safely on the disk beside it, so that every name sees the new text.
    Keep,
};

struct ReplaceOptions {
    ExistingFile existing = ExistingFile::Replace;
    // The bytes reach the disk before the rename, so even a power cut leaves either the
    // old file or the new one.
    bool flushToDisk = false;
};

// Writes the pieces one after another (a header and a text need not be joined first). On
// failure error holds the path and what went wrong in the system's own words ("No space
// left on device").
ReplaceResult ReplaceFileContents(const std::string& path, std::span<const std::string_view> pieces,
                                  std::string& error, const ReplaceOptions& options);

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes,
                                  std::string& error);
ReplaceResult ReplaceFileContents(const std::string& path,
                                  std::initializer_list<std::string_view> pieces,
                                  std::string& error, bool flushToDisk);

// Saves a user's document (ExistingFile::Keep, flushed to the disk).
ReplaceResult SaveDocumentFile(const std::string& path, std::span<const std::string_view> pieces,
                               std::string& error);

} // namespace velto
