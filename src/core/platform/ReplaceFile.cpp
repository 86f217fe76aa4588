// Writing a whole file through a temporary file and a rename, or in place where a
// document's other names must see the new text.
#include "core/platform/ReplaceFile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace velto {

namespace {

// Symbolic links are followed at most this deep, as the system itself does.
constexpr int MaxLinkDepth = 40;

std::string Describe(const std::string& path, int error) {
    return path + ": " + std::strerror(error);
}

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) noexcept : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }
    [[nodiscard]] int Get() const noexcept { return fd_; }
    // Closes now; false (with errno set) when closing reports a failed write.
    bool Close() noexcept {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// Writes every byte at the current position, through short writes and interruptions. Many
// pieces (a long line shown broken comes as one piece a shown line) go out in one call.
bool WriteAll(int fd, std::span<const std::string_view> pieces) {
    constexpr std::size_t MaxBatch = 1024; // IOV_MAX on Linux
    std::size_t next = 0;  // the first piece not yet wholly written
    std::size_t done = 0;  // bytes of it already written
    while (next < pieces.size()) {
        iovec batch[MaxBatch];
        std::size_t count = 0;
        for (std::size_t i = next; i < pieces.size() && count < MaxBatch; ++i) {
            const std::size_t skip = i == next ? done : 0;
            if (pieces[i].size() == skip)
                continue;
            batch[count].iov_base = const_cast<char*>(pieces[i].data() + skip);
            batch[count].iov_len = pieces[i].size() - skip;
            ++count;
        }
        if (count == 0)
            return true;
        ssize_t n = ::writev(fd, batch, static_cast<int>(count));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        // Past the pieces written whole, into the one written in part.
        auto left = static_cast<std::size_t>(n);
        while (next < pieces.size() && left >= pieces[next].size() - done) {
            left -= pieces[next].size() - done;
            done = 0;
            ++next;
        }
        done += left;
    }
    return true;
}

std::size_t TotalSize(std::span<const std::string_view> pieces) {
    std::size_t total = 0;
    for (const std::string_view piece : pieces)
        total += piece.size();
    return total;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at; the path itself when it is none. A link
// whose target does not exist yet still names the file to create.
std::optional<std::string> FollowLinks(std::string path, int& error) {
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) {
            error = errno;
            return std::nullopt;
        }
        target.resize(static_cast<std::size_t>(n));
        path = !target.empty() && target.front() == '/' ? target : FolderOf(path) + "/" + target;
    }
    error = ELOOP;
    return std::nullopt;
}

struct Temporary {
    std::string path;
    int fd = -1;
};

// Creates a new file beside path with a name nobody uses: never an existing file, never
// through a link. Its mode is 0666 less the umask, as any new file's.
std::optional<Temporary> CreateTemporary(const std::string& path, int& error) {
    std::random_device seed;
    std::mt19937 random(seed());
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = path + ".tmp";
        for (int i = 0; i < 6; ++i)
            name += Letters[random() % (sizeof Letters - 1)];
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0)
            return Temporary{std::move(name), fd};
        if (errno != EEXIST) {
            error = errno;
            return std::nullopt;
        }
    }
    error = EEXIST;
    return std::nullopt;
}

// Gives the new file the old one's permissions and, where this user may, its owner and
// group. False when the owner or group could not be kept.
bool TakeOver(int fd, const struct stat& old) {
    bool kept = true;
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        // Only root gives a file to another user; anyone may keep a group they belong to.
        kept = ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
               (old.st_uid == ::geteuid() && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0);
    }
    // After the owner: changing it clears the set-user-id and set-group-id bits.
    ::fchmod(fd, old.st_mode & 07777);
    return kept;
}

bool SyncIfAsked(int fd, bool flush) {
    return !flush || ::fsync(fd) == 0;
}

// Writes the new contents over the old ones in the same file, keeping its inode (and with
// it every hard link, the owner and the permissions). The same bytes were written to
// `safeCopy` beside it first, so the disk has room and the text is kept whatever happens.
ReplaceResult WriteInPlace(const std::string& target, const std::string& safeCopy,
                           std::span<const std::string_view> pieces, std::string& error) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        error = Describe(target, errno);
        ::unlink(safeCopy.c_str());
        return ReplaceResult::CannotCreate;
    }
    Descriptor file(fd);
    const std::size_t size = TotalSize(pieces);
    // Reserve the room first, where the file system can, so that a full disk is found
    // before the old contents are touched.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && static_cast<std::size_t>(info.st_size) < size) {
#ifdef FALLOC_FL_KEEP_SIZE
        if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0 &&
            errno != EOPNOTSUPP && errno != ENOSYS) {
            error = Describe(target, errno);
            ::unlink(safeCopy.c_str());
            return ReplaceResult::WriteFailed;
        }
#endif
    }
    if (!WriteAll(fd, pieces) || ::ftruncate(fd, static_cast<off_t>(size)) != 0 ||
        ::fsync(fd) != 0 || !file.Close()) {
        error = Describe(target, errno) + "\n\nThe text being saved is kept in " + safeCopy + ".";
        return ReplaceResult::WriteFailed;
    }
    ::unlink(safeCopy.c_str());
    return ReplaceResult::Written;
}

} // namespace

ReplaceResult ReplaceFileContents(const std::string& path, std::span<const std::string_view> pieces,
                                  std::string& error, const ReplaceOptions& options) {
    const bool keep = options.existing == ExistingFile::Keep;
    int why = 0;
    std::optional<std::string> target = keep ? FollowLinks(path, why) : path;
    if (!target) {
        error = Describe(path, why);
        return ReplaceResult::CannotCreate;
    }
    // What stands there now, itself and not what a link points at.
    struct stat old {};
    const bool exists = ::lstat(target->c_str(), &old) == 0;
    const bool regular = exists && S_ISREG(old.st_mode);
    if (keep && exists && !regular) {
        error = Describe(*target, S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
        return ReplaceResult::CannotCreate;
    }
    // A document the user may not write stays as it is, though its folder would let a
    // new file take its place.
    if (keep && regular && ::access(target->c_str(), W_OK) != 0) {
        error = Describe(*target, errno);
        return ReplaceResult::CannotCreate;
    }

    const std::optional<Temporary> temporary = CreateTemporary(*target, why);
    if (!temporary) {
        error = Describe(*target, why);
        return ReplaceResult::CannotCreate;
    }
    Descriptor file(temporary->fd);
    bool inPlace = false;
    if (regular && keep) {
        const bool ownerKept = TakeOver(file.Get(), old);
        inPlace = old.st_nlink > 1 || !ownerKept;
    } else if (regular) {
        ::fchmod(file.Get(), old.st_mode & 0777);
    }
    if (!WriteAll(file.Get(), pieces) || !SyncIfAsked(file.Get(), options.flushToDisk || inPlace) ||
        !file.Close()) {
        error = Describe(*target, errno);
        ::unlink(temporary->path.c_str());
        return ReplaceResult::WriteFailed;
    }
    if (inPlace)
        return WriteInPlace(*target, temporary->path, pieces, error);
    // The rename replaces the name itself: a link standing there is replaced, never
    // written through.
    if (::rename(temporary->path.c_str(), target->c_str()) != 0) {
        error = Describe(*target, errno);
        ::unlink(temporary->path.c_str());
        return ReplaceResult::WriteFailed;
    }
    return ReplaceResult::Written;
}

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes,
                                  std::string& error) {
    return ReplaceFileContents(path, std::span<const std::string_view>(&bytes, 1), error,
                               ReplaceOptions{});
}

ReplaceResult ReplaceFileContents(const std::string& path,
                                  std::initializer_list<std::string_view> pieces,
                                  std::string& error, bool flushToDisk) {
    ReplaceOptions options;
    options.flushToDisk = flushToDisk;
    return ReplaceFileContents(
        path, std::span<const std::string_view>(pieces.begin(), pieces.size()), error, options);
}

ReplaceResult SaveDocumentFile(const std::string& path, std::span<const std::string_view> pieces,
                               std::string& error) {
    ReplaceOptions options;
    options.existing = ExistingFile::Keep;
    options.flushToDisk = true;
    return ReplaceFileContents(path, pieces, error, options);
}

} // namespace velto
