// The colouring engine over the in-memory text control: the whole corpus coloured in one
// range, the floor of a plain byte scan for '<' and '>', and the pieces the schedule runs
// (one keystroke's range, one idle chunk).
#include "BenchSupport.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/CHtmlColourer.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace velto::bench {
namespace {

// The knowledge base and settings of a fresh start, built once.
struct Colouring {
    CHtmlConfig html;
    CEditorConfig editor;
    HtmlKnowledgeBase kb{html, editor};
    AppearanceSettings appearance;
    Colouring() { kb.RebuildAllowed(); }
};

Colouring& Shared() {
    static Colouring c;
    return c;
}

// The corpus file, or empty after telling the benchmark why it is skipped.
const std::string& Corpus(benchmark::State& state, const std::string& name) {
    static std::string tenMB = ReadCorpus("corpus-10mb.html");
    static std::string oneMB = ReadCorpus("corpus-1mb.html");
    const std::string& text = name == "10mb" ? tenMB : oneMB;
    if (text.empty())
        state.SkipWithError("no corpus: set VELTO_BENCH_CORPUS to the folder scripts/make-corpus "
                            "fills (make bench does)");
    return text;
}

void WholeText(benchmark::State& state, const std::string& name) {
    const std::string& text = Corpus(state, name);
    if (text.empty())
        return;
    MemoryTextControl control(text);
    CHtmlColourer colourer(Shared().kb, Shared().appearance.Mode());
    for (auto _ : state)
        benchmark::DoNotOptimize(colourer.ColourWholeControl(control));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_Colouring_WholeText10MB(benchmark::State& state) {
    WholeText(state, "10mb");
}
BENCHMARK(BM_Colouring_WholeText10MB)->Unit(benchmark::kMillisecond);

// The whole text as velto-tool colours it: a fresh control and colourer each time, so
// that every buffer the path needs is new memory, as in a process of its own.
void BM_Colouring_WholeTextFresh10MB(benchmark::State& state) {
    const std::string& text = Corpus(state, "10mb");
    if (text.empty())
        return;
    for (auto _ : state) {
        state.PauseTiming();
        auto control = std::make_unique<MemoryTextControl>(text);
        state.ResumeTiming();
        CHtmlColourer colourer(Shared().kb, Shared().appearance.Mode());
        benchmark::DoNotOptimize(colourer.ColourWholeControl(*control));
        state.PauseTiming();
        control.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Colouring_WholeTextFresh10MB)->Unit(benchmark::kMillisecond);

void BM_Colouring_WholeText1MB(benchmark::State& state) {
    WholeText(state, "1mb");
}
BENCHMARK(BM_Colouring_WholeText1MB)->Unit(benchmark::kMillisecond);

// The floor: every byte looked at once, counting the tag brackets.
void BM_Colouring_ByteScan10MB(benchmark::State& state) {
    const std::string& text = Corpus(state, "10mb");
    if (text.empty())
        return;
    for (auto _ : state) {
        std::size_t brackets = 0;
        for (const char c : text)
            brackets += static_cast<std::size_t>(c == '<') + static_cast<std::size_t>(c == '>');
        benchmark::DoNotOptimize(brackets);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Colouring_ByteScan10MB)->Unit(benchmark::kMillisecond);

// What colouring one typed character costs in the engine: the range around it searched,
// settled and, when a tag boundary is near, recoloured. Positions step through the middle.
void BM_Colouring_KeystrokeRange10MB(benchmark::State& state) {
    const std::string& text = Corpus(state, "10mb");
    if (text.empty())
        return;
    MemoryTextControl control(text);
    CHtmlColourer colourer(Shared().kb, Shared().appearance.Mode());
    int pos = control.Length() / 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(colourer.ColourRange(control, pos - 1, pos + 1, false, true));
        pos = pos < control.Length() / 2 + 100000 ? pos + 97 : control.Length() / 2;
    }
}
BENCHMARK(BM_Colouring_KeystrokeRange10MB)->Unit(benchmark::kMicrosecond);

// One background chunk of the default size, as an idle step colours it.
void BM_Colouring_IdleChunk10MB(benchmark::State& state) {
    const std::string& text = Corpus(state, "10mb");
    if (text.empty())
        return;
    MemoryTextControl control(text);
    CHtmlColourer colourer(Shared().kb, Shared().appearance.Mode());
    const int chunk = 4096;
    int pos = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(colourer.ColourRange(control, pos, pos + chunk, true, false));
        pos = pos + 2 * chunk < control.Length() ? pos + chunk : 0;
    }
}
BENCHMARK(BM_Colouring_IdleChunk10MB)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace velto::bench
