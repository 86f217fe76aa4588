// MappedInput: an input file mapped read-only, or read when it cannot be mapped.
#include "MappedInput.h"

#include "ToolCommand.h"

#include "core/document/LoadableFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ostream>

namespace velto::tool {

MappedInput::~MappedInput() {
    if (mapping_ != nullptr)
        munmap(mapping_, mappedSize_);
}

bool MappedInput::Open(const std::string& path, std::ostream& err) {
    std::uint64_t size = 0;
    if (const std::optional<FileRefusal> refusal = CheckLoadableFile(path, &size)) {
        err << "velto-tool: cannot read " << path << ": " << refusal->description << '\n';
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        const auto length = static_cast<std::size_t>(info.st_size);
        void* at = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (at != MAP_FAILED) {
            ::close(fd);
            mapping_ = at;
            mappedSize_ = length;
            bytes_ = std::string_view(static_cast<const char*>(at), length);
            return true;
        }
    }
    if (fd >= 0)
        ::close(fd);
    if (!ReadInputFile(path, copy_, err))
        return false;
    bytes_ = copy_;
    return true;
}

} // namespace velto::tool
