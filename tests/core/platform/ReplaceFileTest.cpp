// Replacing files: the program's own files never write through links, and a saved
// document keeps its links, its other names, its owner and its permissions.
#include "core/platform/ReplaceFile.h"

#include "core/fakes/TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <vector>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velto {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;

ReplaceResult Save(const fs::path& path, std::string_view text, std::string& error) {
    const std::array<std::string_view, 1> pieces{text};
    return SaveDocumentFile(path.string(), pieces, error);
}

struct stat StatOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

// Nothing but the expected names is left in the folder: no temporary file stays behind.
void ExpectOnly(const TempDir& dir, std::initializer_list<const char*> names) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path()))
        ++count;
    EXPECT_EQ(count, names.size());
    for (const char* name : names)
        EXPECT_TRUE(fs::exists(fs::symlink_status(dir.Path() / name))) << name;
}

TEST(ReplaceFile, TheProgramsOwnFilesReplaceLinksInsteadOfWritingThroughThem) {
    TempDir dir;
    const fs::path target = dir.Write("important.html", "the user's page");
    const fs::path viaSymlink = dir.Path() / "~veltopv0.htm";
    fs::create_symlink(target, viaSymlink);
    const fs::path viaHardLink = dir.Path() / "~veltopv1.htm";
    fs::create_hard_link(target, viaHardLink);

    std::string error;
    ASSERT_EQ(ReplaceFileContents(viaSymlink.string(), "preview one", error), ReplaceResult::Written) << error;
    ASSERT_EQ(ReplaceFileContents(viaHardLink.string(), "preview two", error), ReplaceResult::Written) << error;

    EXPECT_EQ(ReadFile(target), "the user's page");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(viaSymlink)));
    EXPECT_EQ(ReadFile(viaSymlink), "preview one");
    EXPECT_EQ(ReadFile(viaHardLink), "preview two");
    EXPECT_EQ(StatOf(target).st_nlink, 1u);
    ExpectOnly(dir, {"important.html", "~veltopv0.htm", "~veltopv1.htm"});
}

TEST(ReplaceFile, ADocumentBehindASymbolicLinkIsSavedAndTheLinkStays) {
    TempDir dir;
    const fs::path target = dir.Write("site/page.html", "old");
    const fs::path link = dir.Path() / "page.html";
    fs::create_symlink("site/page.html", link);
    std::string error;
    ASSERT_EQ(Save(link, "new", error), ReplaceResult::Written) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(target), "new");
}

TEST(ReplaceFile, ManyPiecesAreWrittenInOrderWithEveryByte) {
    // More pieces than one system call takes, some of them empty, of varying lengths: a
    // long line shown broken is saved as one piece a shown line.
    std::string text;
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < 5000; ++i) {
        text.append(i % 7 == 0 ? 0 : i % 300 + 1, static_cast<char>('a' + i % 26));
        ends.push_back(text.size());
    }
    std::vector<std::string_view> pieces;
    std::size_t from = 0;
    for (const std::size_t end : ends) {
        pieces.push_back(std::string_view(text).substr(from, end - from));
        from = end;
    }
    TempDir dir;
    std::string error;
    for (const bool keep : {false, true}) {
        const fs::path path = dir.Write(keep ? "kept.html" : "new.html", "old");
        if (keep)
            fs::create_hard_link(path, dir.Path() / "other.html"); // written in place
        const ReplaceOptions options{keep ? ExistingFile::Keep : ExistingFile::Replace, false};
        ASSERT_EQ(ReplaceFileContents(path.string(), pieces, error, options), ReplaceResult::Written) << error;
        EXPECT_EQ(ReadFile(path), text);
    }
}

TEST(ReplaceFile, AHardLinkedDocumentIsWrittenInPlaceSoEveryNameSeesTheNewText) {
    TempDir dir;
    const fs::path first = dir.Write("a.html", "the old text, longer than the new");
    const fs::path second = dir.Path() / "b.html";
    fs::create_hard_link(first, second);
    fs::permissions(first, fs::perms(0640), fs::perm_options::replace);
    const ino_t inode = StatOf(first).st_ino;

    std::string error;
    ASSERT_EQ(Save(first, "new text", error), ReplaceResult::Written) << error;
    EXPECT_EQ(ReadFile(first), "new text");
    EXPECT_EQ(ReadFile(second), "new text");
    EXPECT_EQ(StatOf(first).st_ino, inode);
    EXPECT_EQ(StatOf(second).st_mode & 07777, 0640u);
    ExpectOnly(dir, {"a.html", "b.html"});
}

TEST(ReplaceFile, ASavedDocumentKeepsItsPermissionsAndANewOneGetsTheUsual) {
    TempDir dir;
    const fs::path page = dir.Write("page.html", "old");
    fs::permissions(page, fs::perms(0604), fs::perm_options::replace);
    std::string error;
    ASSERT_EQ(Save(page, "new", error), ReplaceResult::Written) << error;
    EXPECT_EQ(StatOf(page).st_mode & 07777, 0604u);

    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_EQ(Save(dir.Path() / "fresh.html", "text", error), ReplaceResult::Written) << error;
    EXPECT_EQ(StatOf(dir.Path() / "fresh.html").st_mode & 07777, 0666u & ~mask);
}

TEST(ReplaceFile, SavingAsRootKeepsAnotherUsersFileTheirs) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    TempDir dir;
    const fs::path page = dir.Write("page.html", "old");
    constexpr uid_t Nobody = 65534;
    constexpr gid_t NoGroup = 65534;
    ASSERT_EQ(::chown(page.c_str(), Nobody, NoGroup), 0);
    std::string error;
    ASSERT_EQ(Save(page, "new", error), ReplaceResult::Written) << error;
    const struct stat after = StatOf(page);
    EXPECT_EQ(after.st_uid, Nobody);
    EXPECT_EQ(after.st_gid, NoGroup);
    EXPECT_EQ(ReadFile(page), "new");
}

TEST(ReplaceFile, AFolderWhereTheDocumentShouldBeIsRefused) {
    TempDir dir;
    fs::create_directory(dir.Path() / "page.html");
    std::string error;
    EXPECT_EQ(Save(dir.Path() / "page.html", "text", error), ReplaceResult::CannotCreate);
    EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(dir.Path() / "page.html"));
}

// A file system of a few kilobytes that fills up: the system's own words come back and
// the old file is untouched, whichever way the file is written.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0 || ::mount("velto-test", dir.Path().c_str(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root)";
        mounted = true;
    }
    void TearDown() override {
        if (mounted)
            ::umount(dir.Path().c_str());
    }
    TempDir dir;
    bool mounted = false;
};

TEST_F(FullDisk, ANoSpaceFailureSaysSoAndKeepsTheOldFile) {
    const fs::path page = dir.Write("page.html", "the old text");
    const std::string big(256 * 1024, 'x');
    std::string error;
    EXPECT_EQ(Save(page, big, error), ReplaceResult::WriteFailed);
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(page), "the old text");

    fs::create_hard_link(page, dir.Path() / "other.html");
    EXPECT_EQ(Save(page, big, error), ReplaceResult::WriteFailed);
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(dir.Path() / "other.html"), "the old text");

    EXPECT_EQ(ReplaceFileContents((dir.Path() / "~veltopv0.htm").string(), big, error), ReplaceResult::WriteFailed);
    ExpectOnly(dir, {"page.html", "other.html"});
}

} // namespace
} // namespace velto
