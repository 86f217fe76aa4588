// The recovery writer's worker: jobs run in the order queued (a removal after a write of
// the same file leaves nothing, a second write wins), failures come back with the
// system's reason, Drain waits for everything, and destruction finishes what was queued.
#include "core/fakes/TestFiles.h"
#include "core/recovery/RecoveryWriter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <future>

using namespace velto;
namespace fs = std::filesystem;

namespace {
RecoveryRecord Meta() {
    RecoveryRecord r;
    r.path = "/site/page.html";
    r.title = "page.html";
    r.savedAt = 100;
    return r;
}

// The text a recovery file holds, or "(none)" when it is not whole.
std::string TextOf(const fs::path& file) {
    const RecoveryParse parse = ParseRecovery(test::ReadFile(file));
    return parse.record ? parse.record->text : "(none)";
}

// Holds the worker inside the wake call of its first job until Release, so that the jobs
// queued meanwhile are certainly waiting behind one another.
struct Gate {
    std::promise<void> open;
    std::shared_future<void> opened = open.get_future().share();
    std::atomic<int> wakes{0};
    std::function<void()> Wake() {
        return [this] {
            if (wakes.fetch_add(1) == 0)
                opened.wait();
        };
    }
    void Release() { open.set_value(); }
};
} // namespace

TEST(RecoveryWriter, JobsRunInTheOrderQueued) {
    test::TempDir dir;
    Gate gate;
    RecoveryWriter writer(RecoveryFolder(dir.Path().string()), gate.Wake());
    writer.Write("first.vrec", Meta(), "held");
    writer.Write("saved.vrec", Meta(), "written, then the document was saved");
    writer.Remove("saved.vrec");
    writer.Write("twice.vrec", Meta(), "older");
    const std::uint64_t newer = writer.Write("twice.vrec", Meta(), "newer");
    // Nothing behind the held job has run yet.
    EXPECT_FALSE(fs::exists(dir.Path() / "saved.vrec"));
    gate.Release();
    writer.Drain();
    EXPECT_EQ(gate.wakes, 5); // each job's wake call is over when Drain returns
    EXPECT_FALSE(fs::exists(dir.Path() / "saved.vrec"));
    EXPECT_FALSE(fs::exists(dir.Path() / "saved.vrec.tmp"));
    EXPECT_EQ(TextOf(dir.Path() / "twice.vrec"), "newer");
    const std::vector<RecoveryWriter::Result> results = writer.TakeResults();
    ASSERT_EQ(results.size(), 4u); // the writes only
    for (std::size_t i = 1; i < results.size(); ++i)
        EXPECT_LT(results[i - 1].ticket, results[i].ticket);
    EXPECT_EQ(results.back().ticket, newer);
    EXPECT_EQ(results.back().name, "twice.vrec");
    for (const RecoveryWriter::Result& r : results)
        EXPECT_TRUE(r.ok) << r.name << ": " << r.error;
    EXPECT_TRUE(writer.TakeResults().empty()); // taken once
}

TEST(RecoveryWriter, WriteThenRemoveTakesTheOldFileOnlyWhenTheWriteSucceeded) {
    test::TempDir dir;
    const fs::path old = dir.Write("old.vrec", "the text of a gone editor");
    // A directory where the file should go: the rename over it fails, even for root.
    dir.Write("blocked.vrec/inside", "x");
    RecoveryWriter writer(RecoveryFolder(dir.Path().string()), {});
    const std::uint64_t failed = writer.Write("blocked.vrec", Meta(), "text", "old.vrec");
    writer.Drain();
    std::vector<RecoveryWriter::Result> results = writer.TakeResults();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].ticket, failed);
    EXPECT_FALSE(results[0].ok);
    EXPECT_FALSE(results[0].error.empty());
    EXPECT_TRUE(fs::exists(old));

    writer.Write("mine.vrec", Meta(), "recovered", "old.vrec");
    writer.Drain();
    results = writer.TakeResults();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].ok) << results[0].error;
    EXPECT_EQ(TextOf(dir.Path() / "mine.vrec"), "recovered");
    EXPECT_FALSE(fs::exists(old));
}

TEST(RecoveryWriter, AFolderThatCannotBeMadeReportsTheSystemsReason) {
    test::TempDir dir;
    // A folder below a regular file: root cannot make it either.
    const fs::path file = dir.Write("plain", "not a folder");
    std::atomic<int> wakes{0};
    RecoveryWriter writer(RecoveryFolder((file / "recovery").string()), [&] { ++wakes; });
    writer.Write("a.vrec", Meta(), "text");
    writer.Remove("a.vrec"); // nothing there: no harm, no result
    writer.Drain();
    EXPECT_EQ(wakes, 2);
    const std::vector<RecoveryWriter::Result> results = writer.TakeResults();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].name, "a.vrec");
    EXPECT_FALSE(results[0].ok);
    EXPECT_NE(results[0].error.find("a.vrec"), std::string::npos) << results[0].error;
    EXPECT_EQ(test::ReadFile(file), "not a folder");
}

TEST(RecoveryWriter, DestructionFinishesTheJobsQueued) {
    test::TempDir dir;
    const std::string big(1 << 20, 'x');
    {
        Gate gate;
        RecoveryWriter writer(RecoveryFolder(dir.Path().string()), gate.Wake());
        for (int i = 0; i < 6; ++i)
            writer.Write(std::to_string(i) + ".vrec", Meta(), big + std::to_string(i));
        writer.Remove("0.vrec");
        gate.Release();
    } // gone with most of the jobs still queued
    EXPECT_FALSE(fs::exists(dir.Path() / "0.vrec"));
    for (int i = 1; i < 6; ++i)
        EXPECT_EQ(TextOf(dir.Path() / (std::to_string(i) + ".vrec")), big + std::to_string(i)) << i;
}
