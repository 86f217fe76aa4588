// The folder of recovery files: one file per unsaved document of a running editor, named
// "<pid>-<token>-<serial>.vrec" after its owner (the process and a token of the editor
// object in it), beside the owner's lock "<pid>-<token>.lock". Files are written through a
// temporary file and a rename, so a file is always either the old text or the new one.
#pragma once

#include "core/recovery/OwnerLock.h"
#include "core/recovery/RecoveryRecord.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

inline constexpr std::string_view RecoveryExtension = ".vrec";
inline constexpr std::string_view DamagedFolderName = "damaged";

// A recovery file's name taken apart: the owner ("<pid>-<token>") and the serial.
struct RecoveryFileName {
    std::string owner;
    unsigned serial = 0;
};
[[nodiscard]] std::optional<RecoveryFileName> ParseRecoveryFileName(std::string_view name);

class RecoveryFolder {
public:
    explicit RecoveryFolder(std::string path) : path_(std::move(path)) {}

    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] std::string FilePath(std::string_view name) const;

    // Makes the folder (readable by the user alone) and a new owner in it: owner receives
    // "<pid>-<token>", and the returned lock is held for as long as the owner runs.
    std::unique_ptr<OwnerLock> StartOwner(std::string& owner, std::string& error) const;
    [[nodiscard]] static std::string FileName(std::string_view owner, unsigned serial);

    // Writes a document's text with its header, flushed to the disk before the rename.
    bool Write(std::string_view name, const RecoveryRecord& meta, std::string_view text,
               std::string& error) const;
    // The same with the text in pieces that follow one another.
    bool Write(std::string_view name, const RecoveryRecord& meta, std::span<const std::string_view> pieces,
               std::string& error) const;
    // Removes a recovery file (and a temporary file left beside it).
    void Remove(std::string_view name) const;

    struct Offer {
        std::string file; // its name in the folder
        RecoveryRecord record;
    };
    struct Damaged {
        std::string file;    // the name it had
        std::string keptAt;  // where it is now (empty: it could not be moved and stays)
        std::string problem; // what is wrong with it
    };
    // What was found of owners that are gone. The claims hold those owners' locks, so no
    // other editor offers the same files until the claims are released.
    struct Orphans {
        std::vector<Offer> offers; // oldest first
        std::vector<Damaged> damaged;
        std::vector<std::unique_ptr<OwnerLock>> claims;
    };
    // Takes over the files of every owner that is gone (never ownOwner's): whole files
    // become offers; damaged ones are moved into the "damaged" folder and listed, and
    // temporary files left half-written are removed.
    [[nodiscard]] Orphans TakeOverOrphans(std::string_view ownOwner) const;
    // Ends the claims: the lock file of an owner with no file left goes too.
    void Release(Orphans& orphans) const;
    // Whether any recovery file of owner is in the folder.
    [[nodiscard]] bool HasFiles(std::string_view owner) const;

private:
    [[nodiscard]] std::string SetAside(std::string_view name) const;

    std::string path_;
};

} // namespace velto
