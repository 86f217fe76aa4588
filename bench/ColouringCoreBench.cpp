// The colouring engine over the in-memory text control: the whole corpus coloured at once,
// the floor of a plain byte scan for '<' and '>', the pieces the schedule runs (one
// keystroke's colouring, one idle chunk), and a page with large inline scripts and style
// sheets.
#include "BenchSupport.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/CHtmlColourer.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
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

// What colouring one typed character costs in the engine, from the checkpoint before it to
// the one after. A character replaced by itself stands for the key, so that the text stays
// as it is; positions step through [from, from + 100000).
void Keystrokes(benchmark::State& state, const std::string& text, int from) {
    MemoryTextControl control(text);
    CHtmlColourer colourer(Shared().kb, Shared().appearance.Mode());
    colourer.ColourWholeControl(control);
    int pos = from;
    for (auto _ : state) {
        colourer.TextEdited(pos, pos + 1, pos + 1);
        benchmark::DoNotOptimize(colourer.ColourEdit(control, pos, pos + 1));
        pos = pos < from + 100000 ? pos + 97 : from;
    }
    state.counters["settled"] = colourer.Complete() ? 1 : 0;
}

void BM_Colouring_Keystroke10MB(benchmark::State& state) {
    const std::string& text = Corpus(state, "10mb");
    if (!text.empty())
        Keystrokes(state, text, static_cast<int>(text.size() / 2));
}
BENCHMARK(BM_Colouring_Keystroke10MB)->Unit(benchmark::kMicrosecond);

// The processor time of this thread, which a busy machine does not inflate.
double ThreadMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// One background chunk of the default size, as an idle step colours it; the counter is
// the most processor time any one chunk took.
void IdleChunks(benchmark::State& state, const std::string& text) {
    MemoryTextControl control(text);
    CHtmlColourer colourer(Shared().kb, Shared().appearance.Mode());
    colourer.Restart(control);
    double longest = 0;
    for (auto _ : state) {
        if (colourer.Complete())
            colourer.Restart(control);
        const double t0 = ThreadMicros();
        benchmark::DoNotOptimize(colourer.ColourNextChunk(control, 4096));
        longest = std::max(longest, ThreadMicros() - t0);
    }
    state.counters["longest_cpu_us"] = longest;
}

void BM_Colouring_IdleChunk10MB(benchmark::State& state) {
    if (const std::string& text = Corpus(state, "10mb"); !text.empty())
        IdleChunks(state, text);
}
BENCHMARK(BM_Colouring_IdleChunk10MB)->Unit(benchmark::kMicrosecond);

// A page of about 10 MB with large inline scripts and style sheets (made here).
const std::string& Scripted() {
    static const std::string page = ScriptedPage(10 * 1024 * 1024);
    return page;
}

void BM_Colouring_WholeTextScripted10MB(benchmark::State& state) {
    const std::string& text = Scripted();
    MemoryTextControl control(text);
    CHtmlColourer colourer(Shared().kb, Shared().appearance.Mode());
    for (auto _ : state)
        benchmark::DoNotOptimize(colourer.ColourWholeControl(control));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Colouring_WholeTextScripted10MB)->Unit(benchmark::kMillisecond);

void BM_Colouring_IdleChunkScripted10MB(benchmark::State& state) {
    IdleChunks(state, Scripted());
}
BENCHMARK(BM_Colouring_IdleChunkScripted10MB)->Unit(benchmark::kMicrosecond);

// A keystroke in the middle of a 200 KB inline script, the engine's part.
void BM_Colouring_KeystrokeInScript(benchmark::State& state) {
    const std::string& text = Scripted();
    Keystrokes(state, text, static_cast<int>(FirstScriptMiddle(text)) - 50000);
}
BENCHMARK(BM_Colouring_KeystrokeInScript)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace velto::bench
