// Whose recovery files are whose: every running editor holds a lock on a file of its own
// in the recovery folder for as long as it runs. The system drops the lock when the
// process ends in any way (a crash, kill -9, a power cut), so a lock that can be taken
// marks files whose owner is gone, and a lock that cannot be taken, files that a running
// editor is still keeping up to date.
#pragma once

#include <memory>
#include <string>

namespace velto {

class OwnerLock {
public:
    // Creates the lock file, which must not exist yet, and locks it: the lock of a new
    // owner. nullptr when that fails (error says why).
    static std::unique_ptr<OwnerLock> Create(const std::string& path, std::string& error);
    // Locks an existing lock file (or makes it again when it went missing) to take over
    // the files of an owner that is gone: nullptr when the owner still holds it, or the
    // file cannot be opened.
    static std::unique_ptr<OwnerLock> TakeOver(const std::string& path);

    ~OwnerLock();
    OwnerLock(const OwnerLock&) = delete;
    OwnerLock& operator=(const OwnerLock&) = delete;

    [[nodiscard]] const std::string& Path() const { return path_; }
    // Removes the lock file while still holding it (its owner's files are gone); the lock
    // itself ends with the object.
    void RemoveFile();

private:
    OwnerLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}

    int fd_;
    std::string path_;
};

} // namespace velto
