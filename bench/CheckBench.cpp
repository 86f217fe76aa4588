// Check Page over the corpus: the whole 10 MB with every version selected and with HTML5
// alone, and the work of a re-check after a keystroke in a 1 MB page (the copy of the text
// that the editor takes, then the check on the worker), and the vocabulary built when the
// version selection changes.
#include "BenchSupport.h"

#include "core/check/CheckVocabulary.h"
#include "core/check/PageChecker.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace velto::bench {
namespace {

struct Selection {
    CHtmlConfig html;
    CEditorConfig editor;
    std::unique_ptr<HtmlKnowledgeBase> kb;
    std::unique_ptr<CheckVocabulary> vocabulary;

    explicit Selection(bool html5Only) {
        if (html5Only) {
            for (HtmlVer& v : html.versions)
                v.state = v.mask == VersionBits::Html5 ? VersionState::AnyOf : 0;
        }
        kb = std::make_unique<HtmlKnowledgeBase>(html, editor);
        kb->RebuildAllowed();
        vocabulary = std::make_unique<CheckVocabulary>(*kb);
    }
};

const CheckVocabulary& Vocabulary(bool html5Only) {
    static Selection every(false);
    static Selection html5(true);
    return *(html5Only ? html5 : every).vocabulary;
}

const std::string& Corpus(benchmark::State& state, const char* name) {
    static std::string tenMB = ReadCorpus("corpus-10mb.html");
    static std::string oneMB = ReadCorpus("corpus-1mb.html");
    const std::string& text = std::strcmp(name, "10mb") == 0 ? tenMB : oneMB;
    if (text.empty())
        state.SkipWithError("no corpus: set VELTO_BENCH_CORPUS to the folder scripts/make-corpus "
                            "fills (make bench does)");
    return text;
}

void Whole(benchmark::State& state, bool html5Only) {
    const std::string& text = Corpus(state, "10mb");
    if (text.empty())
        return;
    const CheckVocabulary& vocabulary = Vocabulary(html5Only);
    std::size_t problems = 0;
    for (auto _ : state) {
        const std::vector<Problem> found = CheckPage(text, vocabulary);
        problems = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["problems"] = static_cast<double>(problems);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_Check_Corpus10MB(benchmark::State& state) {
    Whole(state, false);
}
BENCHMARK(BM_Check_Corpus10MB)->Unit(benchmark::kMillisecond);

void BM_Check_Corpus10MBHtml5(benchmark::State& state) {
    Whole(state, true);
}
BENCHMARK(BM_Check_Corpus10MBHtml5)->Unit(benchmark::kMillisecond);

// The part of a re-check on the event loop: the copy of the text handed to the worker.
void BM_Check_Recheck1MBCopy(benchmark::State& state) {
    const std::string& text = Corpus(state, "1mb");
    if (text.empty())
        return;
    for (auto _ : state) {
        std::string copy(text);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_Check_Recheck1MBCopy)->Unit(benchmark::kMicrosecond);

// The check of a 1 MB page after a keystroke, as the worker runs it.
void BM_Check_Recheck1MB(benchmark::State& state) {
    const std::string& original = Corpus(state, "1mb");
    if (original.empty())
        return;
    std::string text = original;
    text.insert(text.begin() + static_cast<std::ptrdiff_t>(text.size() / 2), 'x');
    const CheckVocabulary& vocabulary = Vocabulary(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckPage(text, vocabulary).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Check_Recheck1MB)->Unit(benchmark::kMillisecond);

// The vocabulary read from the knowledge base when the version selection changes.
void BM_Check_Vocabulary(benchmark::State& state) {
    CHtmlConfig html;
    const CEditorConfig editor;
    HtmlKnowledgeBase kb(html, editor);
    kb.RebuildAllowed();
    for (auto _ : state) {
        CheckVocabulary vocabulary(kb);
        benchmark::DoNotOptimize(&vocabulary);
    }
}
BENCHMARK(BM_Check_Vocabulary)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velto::bench
