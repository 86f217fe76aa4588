// Writing a whole file through a temporary file and a rename.
#include "core/platform/ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <unistd.h>

namespace velto {

namespace fs = std::filesystem;

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes, std::string& error) {
    return ReplaceFileContents(path, {bytes}, error, false);
}

ReplaceResult ReplaceFileContents(const std::string& path, std::initializer_list<std::string_view> pieces,
                                  std::string& error, bool flushToDisk) {
    return ReplaceFileContents(path, std::span<const std::string_view>(pieces.begin(), pieces.size()), error,
                               flushToDisk);
}

ReplaceResult ReplaceFileContents(const std::string& path, std::span<const std::string_view> pieces,
                                  std::string& error, bool flushToDisk) {
    const std::string temporary = path + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (f == nullptr) {
        error = "Cannot write " + temporary + ": " + std::strerror(errno);
        return ReplaceResult::CannotCreate;
    }
    bool written = true;
    for (const std::string_view bytes : pieces)
        written = written && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    written = written && std::fflush(f) == 0 && (!flushToDisk || ::fsync(::fileno(f)) == 0);
    const int writeErrno = errno;
    std::error_code ec;
    if (std::fclose(f) != 0 || !written) {
        error = "Cannot write " + temporary + ": " + std::strerror(written ? errno : writeErrno);
        fs::remove(temporary, ec);
        return ReplaceResult::WriteFailed;
    }
    const fs::file_status existing = fs::status(path, ec);
    if (!ec && fs::is_regular_file(existing))
        fs::permissions(temporary, existing.permissions(), fs::perm_options::replace, ec);
    fs::rename(temporary, path, ec);
    if (ec) {
        error = "Cannot rename " + temporary + " to " + path + ": " + ec.message();
        fs::remove(temporary, ec);
        return ReplaceResult::WriteFailed;
    }
    return ReplaceResult::Written;
}

} // namespace velto
