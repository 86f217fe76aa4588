// HTML reference help: the first F5 of a run reads the generated reference's index files
// and looks one element up; later lookups use the index in memory.
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryProfile.h"
#include "core/reference/CHtmlHelpRefMgr.h"
#include "core/reference/ReferenceGenerator.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace velto::bench {
namespace {

// The generated reference, written once into a temporary folder.
const std::string& ReferenceFolder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "velto-bench-reference";
        CHtmlConfig html;
        CEditorConfig editor;
        HtmlKnowledgeBase kb(html, editor);
        std::string error;
        if (!GenerateReference(kb, path.string(), error))
            return std::string();
        return path.string();
    }();
    return folder;
}

void BM_Reference_FirstLookup(benchmark::State& state) {
    if (ReferenceFolder().empty()) {
        state.SkipWithError("the reference could not be written");
        return;
    }
    for (auto _ : state) {
        MemoryProfile settings;
        CQuorHtmlHelpRefMgr mgr(settings, ReferenceFolder());
        mgr.Start();
        benchmark::DoNotOptimize(mgr.Lookup(1, "table"));
    }
}
BENCHMARK(BM_Reference_FirstLookup)->Unit(benchmark::kMillisecond);

void BM_Reference_LaterLookup(benchmark::State& state) {
    MemoryProfile settings;
    CQuorHtmlHelpRefMgr mgr(settings, ReferenceFolder());
    mgr.Start();
    mgr.Lookup(1, "p");
    for (auto _ : state)
        benchmark::DoNotOptimize(mgr.Lookup(1, "table"));
}
BENCHMARK(BM_Reference_LaterLookup)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace velto::bench
