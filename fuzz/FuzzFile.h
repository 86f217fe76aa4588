// A scratch file for fuzz targets whose parsers read files: each input is written to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace velto::fuzz {

// One file per fuzzing process, removed at exit: in $TMPDIR when set, else in /dev/shm
// (rewriting a file thousands of times a second on a disk file system is what would
// limit the speed), else in /tmp.
class ScratchFile {
public:
    explicit ScratchFile(const char* name) {
        const char* tmp = std::getenv("TMPDIR");
        std::string folder = tmp != nullptr && *tmp != '\0' ? tmp : "";
        if (folder.empty())
            folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        path_ = folder + "/velto-fuzz-" + name + "-" + std::to_string(::getpid());
    }
    ~ScratchFile() { std::remove(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Replaces the file's content with the input and returns its path.
    const std::string& Write(const std::uint8_t* data, std::size_t size) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        if (!out) // a full disk would make every later run meaningless
            std::abort();
        return path_;
    }

private:
    std::string path_;
};

} // namespace velto::fuzz
