// Recovery files of a 10 MB document: the checksum alone, the whole write (header,
// checksum, temporary file, flush to disk, rename), handing it to the worker thread, and
// reading it back at start-up.
#include "BenchSupport.h"

#include "core/recovery/Crc32.h"
#include "core/recovery/RecoveryFolder.h"
#include "core/recovery/RecoveryWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace velto::bench {
namespace {

const std::string& Text10MB() {
    static const std::string text = HtmlOfSize(10 * 1024 * 1024);
    return text;
}

// A recovery folder of its own under the temporary folder, removed afterwards.
struct Folder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("velto-bench-recovery-" + std::to_string(std::random_device()()));
    RecoveryFolder folder{path.string()};
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

RecoveryRecord Meta() {
    RecoveryRecord meta;
    meta.path = "/home/user/site/page.html";
    meta.title = "page.html";
    meta.savedAt = 1765000000;
    return meta;
}

void BM_Recovery_Crc32_10MB(benchmark::State& state) {
    const std::string& text = Text10MB();
    for (auto _ : state)
        benchmark::DoNotOptimize(Crc32(0, text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Recovery_Crc32_10MB)->Unit(benchmark::kMillisecond);

void BM_Recovery_Write10MB(benchmark::State& state) {
    const std::string& text = Text10MB();
    Folder f;
    std::string owner, error;
    const std::unique_ptr<OwnerLock> lock = f.folder.StartOwner(owner, error);
    const std::string name = RecoveryFolder::FileName(owner, 1);
    for (auto _ : state)
        if (!f.folder.Write(name, Meta(), text, error))
            state.SkipWithError(error.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Recovery_Write10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the caller pays to hand a write to the worker: the copy of the text and the queue.
// The worker's own write is waited for outside the timing.
void BM_Recovery_QueueWrite10MB(benchmark::State& state) {
    const std::string& text = Text10MB();
    Folder f;
    std::string owner, error;
    const std::unique_ptr<OwnerLock> lock = f.folder.StartOwner(owner, error);
    const std::string name = RecoveryFolder::FileName(owner, 1);
    RecoveryWriter writer(f.folder, {});
    for (auto _ : state) {
        writer.Write(name, Meta(), std::string(text));
        state.PauseTiming();
        writer.Drain();
        for (const RecoveryWriter::Result& r : writer.TakeResults())
            if (!r.ok)
                state.SkipWithError(r.error.c_str());
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Recovery_QueueWrite10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Recovery_ReadBack10MB(benchmark::State& state) {
    const std::string& text = Text10MB();
    Folder f;
    std::string owner, error;
    {
        const std::unique_ptr<OwnerLock> gone = f.folder.StartOwner(owner, error);
        f.folder.Write(RecoveryFolder::FileName(owner, 1), Meta(), text, error);
    }
    for (auto _ : state) {
        RecoveryFolder::Orphans orphans = f.folder.TakeOverOrphans("");
        if (orphans.offers.size() != 1)
            state.SkipWithError("the file was not found whole");
        benchmark::DoNotOptimize(orphans);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Recovery_ReadBack10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace velto::bench
