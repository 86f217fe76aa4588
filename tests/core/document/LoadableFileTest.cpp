// Which paths can be read as documents: regular files that fit; never folders, pipes,
// sockets or devices, and nothing larger than the memory it would take.
#include "core/document/LoadableFile.h"

#include "core/fakes/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace velto;

namespace {
MemoryBudget Budget(std::uint64_t bytes) {
    return [bytes] { return std::optional<std::uint64_t>(bytes); };
}
} // namespace

TEST(LoadableFile, RegularFileIsReadableAndItsSizeGiven) {
    test::TempDir dir;
    const auto path = dir.Write("a.html", "<P>12345</P>");
    std::uint64_t size = 0;
    EXPECT_FALSE(CheckLoadableFile(path.string(), &size, Budget(1 << 20)));
    EXPECT_EQ(size, 12u);
}

TEST(LoadableFile, EverythingButARegularFileIsRefusedUnopened) {
    test::TempDir dir;
    const std::string fifo = (dir.Path() / "pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A socket, as a running program leaves one in the runtime folder.
    const std::string socketPath = (dir.Path() / "sock").string();
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    for (const std::string& path : {dir.Path().string(), fifo, socketPath, std::string("/dev/zero"),
                                    std::string("/dev/urandom")}) {
        const std::optional<FileRefusal> refusal = CheckLoadableFile(path);
        ASSERT_TRUE(refusal) << path;
        EXPECT_EQ(refusal->failure, TransferFailure::File);
        EXPECT_EQ(refusal->description, "not a regular file") << path;
    }
    close(fd);
}

TEST(LoadableFile, MissingFileGivesTheSystemsWords) {
    const std::optional<FileRefusal> refusal = CheckLoadableFile("/no/such/folder/page.html");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->failure, TransferFailure::File);
    EXPECT_EQ(refusal->description, "No such file or directory");
}

TEST(LoadableFile, FileLargerThanTheMemoryItNeedsIsAMemoryRefusal) {
    test::TempDir dir;
    const auto path = dir.Write("big.html", std::string(1000, 'x'));
    EXPECT_FALSE(CheckLoadableFile(path.string(), nullptr, Budget(3000)));
    const std::optional<FileRefusal> refusal = CheckLoadableFile(path.string(), nullptr, Budget(2999));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->failure, TransferFailure::Memory);
    EXPECT_NE(refusal->description.find("memory"), std::string::npos);
    // Where the free memory cannot be told, the file is read.
    EXPECT_FALSE(CheckLoadableFile(path.string(), nullptr, [] { return std::optional<std::uint64_t>(); }));
}

TEST(LoadableFile, SparseFileBeyondTwoGigabytesIsTooLargeForADocument) {
    test::TempDir dir;
    const auto path = dir.Write("huge.html", "");
    // A sparse file: its size costs no disk.
    ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(MaxDocumentBytes) + 1), 0);
    const std::optional<FileRefusal> refusal = CheckLoadableFile(path.string(), nullptr, Budget(~0ull));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->failure, TransferFailure::File);
    EXPECT_NE(refusal->description.find("2 GB"), std::string::npos);
}

TEST(LoadableFile, MachineMemoryIsKnownHere) {
    const std::optional<std::uint64_t> free = AvailableMemory();
    ASSERT_TRUE(free); // this platform has /proc/meminfo
    EXPECT_GT(*free, 0u);
}
