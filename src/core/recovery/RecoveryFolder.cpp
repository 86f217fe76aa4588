// The folder of recovery files.
#include "core/recovery/RecoveryFolder.h"

#include "core/platform/ReplaceFile.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace velto {

namespace fs = std::filesystem;

namespace {
constexpr std::string_view LockExtension = ".lock";
constexpr std::string_view TemporaryExtension = ".tmp";

bool AllDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool AllHex(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
}

// "<pid>-<token>", or nothing.
bool IsOwner(std::string_view owner) {
    const std::size_t dash = owner.find('-');
    return dash != std::string_view::npos && AllDigits(owner.substr(0, dash)) && AllHex(owner.substr(dash + 1));
}

std::string RandomToken() {
    std::random_device device;
    std::uniform_int_distribution<std::uint32_t> any;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", any(device));
    return hex;
}

bool EndsWith(std::string_view s, std::string_view end) {
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

// The rename itself reaches the disk only with the folder.
void FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A whole file's bytes, or nothing with why in problem.
std::optional<std::string> ReadWhole(const fs::path& path, std::string& problem) {
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            problem = "it cannot be read";
            return std::nullopt;
        }
        // Sized first and read in one go: a 10 MB text is not copied through a stream.
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(path, ec);
        std::string bytes(ec ? 0 : size, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        // Anything past the size seen (the file grew) makes it run on past its text.
        char more[4096];
        while (in.read(more, sizeof more) || in.gcount() > 0)
            bytes.append(more, static_cast<std::size_t>(in.gcount()));
        if (in.bad()) {
            problem = "reading it failed";
            return std::nullopt;
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        problem = "there is not enough memory to read it";
        return std::nullopt;
    }
}
} // namespace

std::optional<RecoveryFileName> ParseRecoveryFileName(std::string_view name) {
    if (!EndsWith(name, RecoveryExtension))
        return std::nullopt;
    name.remove_suffix(RecoveryExtension.size());
    const std::size_t dash = name.rfind('-');
    if (dash == std::string_view::npos || !IsOwner(name.substr(0, dash)) || !AllDigits(name.substr(dash + 1)))
        return std::nullopt;
    RecoveryFileName parsed;
    parsed.owner = std::string(name.substr(0, dash));
    const std::string_view serial = name.substr(dash + 1);
    if (std::from_chars(serial.data(), serial.data() + serial.size(), parsed.serial).ec != std::errc())
        return std::nullopt;
    return parsed;
}

std::string RecoveryFolder::FilePath(std::string_view name) const {
    return (fs::path(path_) / name).string();
}

std::string RecoveryFolder::FileName(std::string_view owner, unsigned serial) {
    return std::string(owner) + "-" + std::to_string(serial) + std::string(RecoveryExtension);
}

std::unique_ptr<OwnerLock> RecoveryFolder::StartOwner(std::string& owner, std::string& error) const {
    std::error_code ec;
    fs::create_directories(path_, ec);
    if (ec) {
        error = "Cannot make " + path_ + ": " + ec.message();
        return nullptr;
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::replace, ec);
    // A token already in use (by a live owner or one that left files) is never reused:
    // the lock file is made only where none exists.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string candidate = std::to_string(::getpid()) + "-" + RandomToken();
        if (std::unique_ptr<OwnerLock> lock =
                OwnerLock::Create(FilePath(candidate + std::string(LockExtension)), error)) {
            owner = candidate;
            return lock;
        }
    }
    return nullptr;
}

bool RecoveryFolder::Write(std::string_view name, const RecoveryRecord& meta, std::string_view text,
                           std::string& error) const {
    return Write(name, meta, std::span<const std::string_view>(&text, 1), error);
}

bool RecoveryFolder::Write(std::string_view name, const RecoveryRecord& meta,
                           std::span<const std::string_view> pieces, std::string& error) const {
    std::vector<std::string_view> file;
    file.reserve(pieces.size() + 1);
    const std::string header = RecoveryHeader(meta, pieces);
    file.push_back(header);
    file.insert(file.end(), pieces.begin(), pieces.end());
    if (ReplaceFileContents(FilePath(name), file, error, ReplaceOptions{.flushToDisk = true}) != ReplaceResult::Written)
        return false;
    FlushFolder(path_);
    return true;
}

void RecoveryFolder::Remove(std::string_view name) const {
    std::error_code ec;
    fs::remove(FilePath(name), ec);
    fs::remove(FilePath(name) + std::string(TemporaryExtension), ec);
}

std::string RecoveryFolder::SetAside(std::string_view name) const {
    std::error_code ec;
    const fs::path damaged = fs::path(path_) / DamagedFolderName;
    fs::create_directories(damaged, ec);
    // An earlier damaged file of the same name stays too.
    fs::path target = damaged / name;
    for (int n = 1; fs::exists(target, ec); ++n)
        target = damaged / (std::string(name) + "." + std::to_string(n));
    fs::rename(FilePath(name), target, ec);
    return ec ? std::string() : target.string();
}

RecoveryFolder::Orphans RecoveryFolder::TakeOverOrphans(std::string_view ownOwner) const {
    Orphans found;
    std::error_code ec;
    // The owners' files, gathered before any is read: each owner's lock is tried once.
    std::map<std::string, std::vector<std::string>> byOwner;
    std::vector<std::string> temporaries;
    std::vector<std::string> lockOwners;
    for (fs::directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec))
            continue;
        const std::string name = it->path().filename().string();
        if (EndsWith(name, TemporaryExtension)) {
            temporaries.push_back(name);
        } else if (EndsWith(name, LockExtension)) {
            lockOwners.push_back(name.substr(0, name.size() - LockExtension.size()));
        } else if (const std::optional<RecoveryFileName> parsed = ParseRecoveryFileName(name)) {
            if (parsed->owner != ownOwner)
                byOwner[parsed->owner].push_back(name);
        }
    }
    std::map<std::string, bool> claimed;
    for (auto& [owner, files] : byOwner) {
        std::unique_ptr<OwnerLock> lock = OwnerLock::TakeOver(FilePath(owner + std::string(LockExtension)));
        if (!lock)
            continue; // its editor is running
        claimed[owner] = true;
        found.claims.push_back(std::move(lock));
        for (const std::string& name : files) {
            std::string problem;
            std::optional<std::string> bytes = ReadWhole(FilePath(name), problem);
            if (bytes) {
                RecoveryParse parse = ParseRecovery(*bytes);
                if (parse.record) {
                    found.offers.push_back({name, std::move(*parse.record)});
                    continue;
                }
                problem = parse.problem;
                found.damaged.push_back({name, SetAside(name), problem});
            } else {
                found.damaged.push_back({name, {}, problem}); // left where it is
            }
        }
    }
    // A temporary file of a gone owner is a write that never finished; its last whole
    // file is beside it.
    for (const std::string& name : temporaries) {
        const std::string base = name.substr(0, name.size() - TemporaryExtension.size());
        if (const std::optional<RecoveryFileName> parsed = ParseRecoveryFileName(base))
            if (claimed.count(parsed->owner))
                fs::remove(FilePath(name), ec);
    }
    // The lock of an editor that ended without files to recover (it crashed with every
    // document saved) is of no more use.
    for (const std::string& owner : lockOwners)
        if (IsOwner(owner) && owner != ownOwner && !byOwner.count(owner))
            if (std::unique_ptr<OwnerLock> lock = OwnerLock::TakeOver(FilePath(owner + std::string(LockExtension))))
                lock->RemoveFile();
    std::stable_sort(found.offers.begin(), found.offers.end(),
                     [](const Offer& a, const Offer& b) { return a.record.savedAt < b.record.savedAt; });
    return found;
}

bool RecoveryFolder::HasFiles(std::string_view owner) const {
    std::error_code ec;
    for (fs::directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<RecoveryFileName> parsed = ParseRecoveryFileName(it->path().filename().string());
        if (parsed && parsed->owner == owner)
            return true;
    }
    return false;
}

void RecoveryFolder::Release(Orphans& orphans) const {
    for (std::unique_ptr<OwnerLock>& lock : orphans.claims) {
        const std::string lockName = fs::path(lock->Path()).filename().string();
        if (!HasFiles(lockName.substr(0, lockName.size() - LockExtension.size())))
            lock->RemoveFile();
    }
    orphans.claims.clear();
}

} // namespace velto
