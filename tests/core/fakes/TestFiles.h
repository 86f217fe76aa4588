// Temporary folders and files that tests create and remove.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velto::test {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const noexcept { return path_; }
    // Writes bytes to a file below the folder (making sub-folders) and returns its path.
    std::filesystem::path Write(const std::string& relative, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);

} // namespace velto::test
