// MappedInput: an input file's bytes mapped into memory, read-only, for commands that only
// read a large file once.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace velto::tool {

// Mapping the file shares the pages the system already caches, instead of copying them
// into fresh memory that must first be faulted in. A file that cannot be mapped (a pipe,
// a special file) is read into memory as ReadInputFile reads it.
class MappedInput {
public:
    MappedInput() = default;
    MappedInput(const MappedInput&) = delete;
    MappedInput& operator=(const MappedInput&) = delete;
    ~MappedInput();

    // Opens path; on failure says so on err and returns false.
    bool Open(const std::string& path, std::ostream& err);
    [[nodiscard]] std::string_view Bytes() const noexcept { return bytes_; }

private:
    void* mapping_ = nullptr;
    std::size_t mappedSize_ = 0;
    std::string copy_; // the bytes of a file that could not be mapped
    std::string_view bytes_;
};

} // namespace velto::tool
