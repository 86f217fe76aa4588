// Owner locks over flock(2).
#include "core/recovery/OwnerLock.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace velto {

namespace {
// Close-on-exec: a browser started for a preview must not inherit the lock and keep it
// alive after the editor died.
constexpr int OpenFlags = O_RDWR | O_CLOEXEC | O_NOFOLLOW;
constexpr mode_t Mode = 0600;
} // namespace

std::unique_ptr<OwnerLock> OwnerLock::Create(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), OpenFlags | O_CREAT | O_EXCL, Mode);
    if (fd < 0) {
        error = "Cannot create " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = "Cannot lock " + path + ": " + std::strerror(errno);
        ::close(fd);
        ::unlink(path.c_str());
        return nullptr;
    }
    return std::unique_ptr<OwnerLock>(new OwnerLock(fd, path));
}

std::unique_ptr<OwnerLock> OwnerLock::TakeOver(const std::string& path) {
    const int fd = ::open(path.c_str(), OpenFlags | O_CREAT, Mode);
    if (fd < 0)
        return nullptr;
    // Each open file has a lock of its own, so this fails against another editor object
    // of this same process too, as it should.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<OwnerLock>(new OwnerLock(fd, path));
}

OwnerLock::~OwnerLock() {
    ::close(fd_);
}

void OwnerLock::RemoveFile() {
    ::unlink(path_.c_str());
}

} // namespace velto
