// Completion over the in-memory text control, in the middle of the 10 MB corpus: finding
// the context (with the colouring's checkpoints, as the view has them), and the element,
// attribute and reference lists; and a hover's tooltip.
#include "BenchSupport.h"

#include "core/colouring/CHtmlColourer.h"
#include "core/completion/Completer.h"
#include "core/completion/HoverHelp.h"
#include "core/completion/KnownStart.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"

#include <benchmark/benchmark.h>

namespace velto::bench {
namespace {

// The corpus with `typed` written at the start of the line in its middle, coloured whole.
struct Page {
    CHtmlConfig html;
    CEditorConfig editor;
    HtmlKnowledgeBase kb{html, editor};
    MemoryTextControl control;
    CHtmlColourer colourer{kb, ColourMode::Tags};
    int caret = 0;

    explicit Page(std::string text, std::string_view typed) {
        kb.RebuildAllowed();
        std::size_t at = text.find('\n', text.size() / 2);
        at = at == std::string::npos ? text.size() : at + 1;
        text.insert(at, typed);
        caret = static_cast<int>(at + typed.size());
        control = MemoryTextControl(std::move(text));
        colourer.ColourWholeControl(control);
    }
};

void List(benchmark::State& state, std::string_view typed, std::size_t expectAtLeast) {
    const std::string text = HtmlOfSize(10 * 1024 * 1024);
    Page page(text, typed);
    ContextFinder finder(page.kb);
    Completer completer(page.kb);
    std::size_t items = 0;
    for (auto _ : state) {
        const CompletionContext context =
            finder.Find(page.control, page.caret, KnownStartBefore(page.colourer, page.caret));
        items = completer.Items(context, {}).size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = static_cast<double>(items);
    if (items < expectAtLeast)
        state.SkipWithError("the list is shorter than it should be");
}

void BM_Completion_ContextOnly10MB(benchmark::State& state) {
    const std::string text = HtmlOfSize(10 * 1024 * 1024);
    Page page(text, "<ta");
    ContextFinder finder(page.kb);
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.Find(page.control, page.caret, KnownStartBefore(page.colourer, page.caret)));
}
BENCHMARK(BM_Completion_ContextOnly10MB)->Unit(benchmark::kMicrosecond);

void BM_Completion_ElementList10MB(benchmark::State& state) { List(state, "<t", 10); }
BENCHMARK(BM_Completion_ElementList10MB)->Unit(benchmark::kMicrosecond);
void BM_Completion_AllElements10MB(benchmark::State& state) { List(state, "<", 100); }
BENCHMARK(BM_Completion_AllElements10MB)->Unit(benchmark::kMicrosecond);
void BM_Completion_AttributeList10MB(benchmark::State& state) { List(state, "<td class=x ", 20); }
BENCHMARK(BM_Completion_AttributeList10MB)->Unit(benchmark::kMicrosecond);
void BM_Completion_AllReferences10MB(benchmark::State& state) { List(state, "&", 2000); }
BENCHMARK(BM_Completion_AllReferences10MB)->Unit(benchmark::kMicrosecond);

void BM_Completion_Hover10MB(benchmark::State& state) {
    const std::string text = HtmlOfSize(10 * 1024 * 1024);
    Page page(text, "<table cellpadding=2>");
    HoverHelp hover(page.kb);
    const int at = page.caret - 10; // in "cellpadding"
    for (auto _ : state)
        benchmark::DoNotOptimize(hover.TextAt(page.control, at, KnownStartBefore(page.colourer, at)));
}
BENCHMARK(BM_Completion_Hover10MB)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace velto::bench
