// The recovery folder: files of running owners are never taken, files of owners that are
// gone (even killed with SIGKILL) are, damaged ones are moved aside, and leftovers go.
#include "core/fakes/TestFiles.h"
#include "core/recovery/RecoveryFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

using namespace velto;
namespace fs = std::filesystem;

namespace {
struct Owner {
    explicit Owner(const RecoveryFolder& folder) {
        std::string error;
        lock = folder.StartOwner(name, error);
        EXPECT_TRUE(lock) << error;
    }
    std::string name;
    std::unique_ptr<OwnerLock> lock;
};

RecoveryRecord Meta(std::string path) {
    RecoveryRecord r;
    r.path = std::move(path);
    r.title = "t";
    r.savedAt = 100;
    return r;
}

bool Writes(const RecoveryFolder& folder, const std::string& name, const std::string& path,
            std::string_view text) {
    std::string error;
    const bool ok = folder.Write(name, Meta(path), text, error);
    EXPECT_TRUE(ok) << error;
    return ok;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(RecoveryFileName, OwnerAndSerialOrNothing) {
    const std::optional<RecoveryFileName> n = ParseRecoveryFileName("4242-00ab12cd-7.vrec");
    ASSERT_TRUE(n);
    EXPECT_EQ(n->owner, "4242-00ab12cd");
    EXPECT_EQ(n->serial, 7u);
    EXPECT_EQ(RecoveryFolder::FileName(n->owner, n->serial), "4242-00ab12cd-7.vrec");
    for (const char* other : {"4242-00ab12cd-7.vrec.tmp", "4242-00ab12cd.lock", "x-00ab-1.vrec",
                              "4242-ZZ-1.vrec", "4242-00ab12cd-.vrec", "notes.txt", ".vrec"})
        EXPECT_FALSE(ParseRecoveryFileName(other)) << other;
}

TEST(RecoveryFolder, RunningOwnersKeepTheirFilesAndGoneOnesLeaveThem) {
    test::TempDir dir;
    const RecoveryFolder folder((dir.Path() / "recovery").string());
    Owner self(folder);
    auto other = std::make_unique<Owner>(folder);
    EXPECT_NE(self.name, other->name);
    EXPECT_EQ(fs::status(folder.Path()).permissions() & fs::perms::all, fs::perms::owner_all);
    Writes(folder, RecoveryFolder::FileName(self.name, 1), "/a.html", "mine");
    Writes(folder, RecoveryFolder::FileName(other->name, 1), "/b.html", "theirs");

    // Both owners run (in this same process): neither's files are taken.
    RecoveryFolder::Orphans running = folder.TakeOverOrphans(self.name);
    EXPECT_TRUE(running.offers.empty());
    EXPECT_TRUE(running.claims.empty());

    // The other one goes without cleaning up, as in a crash: its file is offered, and no
    // second look finds it while the first one holds the claim.
    other->lock.reset();
    RecoveryFolder::Orphans orphans = folder.TakeOverOrphans(self.name);
    ASSERT_EQ(orphans.offers.size(), 1u);
    EXPECT_EQ(orphans.offers[0].record.path, "/b.html");
    EXPECT_EQ(orphans.offers[0].record.text, "theirs");
    EXPECT_TRUE(folder.TakeOverOrphans("").offers.empty());

    // Dealt with: the file is removed, and with the claim released its lock goes too.
    folder.Remove(orphans.offers[0].file);
    const std::string otherLock = other->name + ".lock";
    folder.Release(orphans);
    const std::vector<std::string> left = Names(folder.Path());
    EXPECT_EQ(std::count(left.begin(), left.end(), otherLock), 0);
    EXPECT_EQ(left.size(), 2u); // this owner's lock and file
}

TEST(RecoveryFolder, OwnerKilledWithSigkillIsGone) {
    test::TempDir dir;
    const RecoveryFolder folder((dir.Path() / "recovery").string());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::string name, error;
        std::unique_ptr<OwnerLock> lock = folder.StartOwner(name, error);
        std::string ignored;
        folder.Write(RecoveryFolder::FileName(name, 1), Meta("/c.html"), "typed", ignored);
        const char byte = lock ? 'k' : 'x';
        (void)!::write(ready[1], &byte, 1);
        for (;;)
            ::pause();
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'k');
    EXPECT_TRUE(folder.TakeOverOrphans("").offers.empty()) << "its process still runs";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    RecoveryFolder::Orphans orphans = folder.TakeOverOrphans("");
    ASSERT_EQ(orphans.offers.size(), 1u);
    EXPECT_EQ(orphans.offers[0].record.text, "typed");
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(RecoveryFolder, DamagedFilesAreSetAsideAndLeftoversRemoved) {
    test::TempDir dir;
    const RecoveryFolder folder((dir.Path() / "recovery").string());
    std::string gone;
    {
        Owner owner(folder);
        gone = owner.name;
        Writes(folder, RecoveryFolder::FileName(gone, 1), "/whole.html", "whole");
        Writes(folder, RecoveryFolder::FileName(gone, 2), "/cut.html", "will be cut");
        // A write that never finished, and an owner that crashed with nothing unsaved.
        dir.Write("recovery/" + RecoveryFolder::FileName(gone, 1) + ".tmp", "half");
    }
    {
        Owner idle(folder);
    }
    const fs::path cut = folder.FilePath(RecoveryFolder::FileName(gone, 2));
    fs::resize_file(cut, fs::file_size(cut) - 3);

    Owner self(folder);
    RecoveryFolder::Orphans orphans = folder.TakeOverOrphans(self.name);
    ASSERT_EQ(orphans.offers.size(), 1u);
    EXPECT_EQ(orphans.offers[0].record.path, "/whole.html");
    ASSERT_EQ(orphans.damaged.size(), 1u);
    EXPECT_EQ(orphans.damaged[0].file, RecoveryFolder::FileName(gone, 2));
    EXPECT_NE(orphans.damaged[0].problem.find("cut short"), std::string::npos);
    // Kept, out of the way, as it was.
    ASSERT_FALSE(orphans.damaged[0].keptAt.empty());
    EXPECT_TRUE(fs::exists(orphans.damaged[0].keptAt));
    EXPECT_FALSE(fs::exists(cut));
    EXPECT_EQ(fs::path(orphans.damaged[0].keptAt).parent_path().filename(), DamagedFolderName);
    // Left: the offered file and the gone owner's claimed lock, this owner's lock, the
    // damaged folder; the temporary file and the idle owner's lock are gone.
    const std::vector<std::string> left = Names(folder.Path());
    EXPECT_EQ(left.size(), 4u);
    for (const std::string& name : left)
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    // Nothing damaged is reported twice.
    folder.Release(orphans);
    EXPECT_TRUE(folder.TakeOverOrphans(self.name).damaged.empty());
}

// A text handed over in pieces (a view's text between the line breaks it only shows) is
// written as the same file as the pieces joined, and reads back as that text.
TEST(RecoveryFolder, TextInPiecesIsWrittenAsTheJoinedText) {
    test::TempDir dir;
    const RecoveryFolder folder((dir.Path() / "recovery").string());
    Owner self(folder);
    const std::string text = std::string("<p>one</p>\0\xff<b>", 15) + std::string(70000, 'x') + "</b>";
    const std::vector<std::string_view> pieces = {std::string_view(text).substr(0, 5), std::string_view(),
                                                  std::string_view(text).substr(5, 40000),
                                                  std::string_view(text).substr(40005)};
    const std::string joined = RecoveryFolder::FileName(self.name, 1);
    const std::string inPieces = RecoveryFolder::FileName(self.name, 2);
    ASSERT_TRUE(Writes(folder, joined, "/a.html", text));
    std::string error;
    ASSERT_TRUE(folder.Write(inPieces, Meta("/a.html"), pieces, error)) << error;
    EXPECT_EQ(test::ReadFile(folder.FilePath(inPieces)), test::ReadFile(folder.FilePath(joined)));
    const std::string bytes = test::ReadFile(folder.FilePath(inPieces));
    const RecoveryParse parsed = ParseRecovery(bytes);
    ASSERT_TRUE(parsed.record) << parsed.problem;
    EXPECT_EQ(parsed.record->text, text);
}
