// Pages in windows-1252 against the same pages in UTF-8: opening until the visible area is
// coloured, and saving, both through the real view (decoding, the round trip and the
// conversion back included), and the conversions themselves.
#include "UiBenchSupport.h"

#include "core/colouring/ColourSchedule.h"
#include "core/encoding/Codec.h"
#include "core/encoding/Utf8Text.h"
#include "ui/document/IdlePump.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <fstream>

namespace velto::bench {
namespace {

constexpr std::size_t TenMB = 10u << 20;

// A 10 MB page with an accented letter in every line or so, in UTF-8 and in windows-1252.
const std::string& Page(bool utf8) {
    static const std::pair<std::string, std::string> pages = [] {
        std::string latin;
        const std::string html = HtmlOfSize(TenMB);
        latin.reserve(html.size() + html.size() / 64);
        std::size_t n = 0;
        for (const char c : html) {
            latin += c;
            if (c == ' ' && ++n % 12 == 0)
                latin += "caf\xE9 ";
        }
        return std::make_pair(*DecodeToUtf8(latin, Windows1252Encoding()), latin);
    }();
    return utf8 ? pages.first : pages.second;
}

void OpenUntilVisibleColoured(benchmark::State& state, bool utf8) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    std::ofstream(path.toStdString(), std::ios::binary) << Page(utf8);
    Editor editor;
    IdlePump& idle = editor.app->DocManager().Idle();
    for (auto _ : state) {
        CQuorDoc* doc = editor.app->DocManager().OpenDocumentFile(path);
        ColourSchedule* schedule = doc->View()->Colouring();
        while (!schedule->VisibleAreaColoured())
            idle.RunUntilIdle(1);
        state.PauseTiming();
        state.counters["encoding"] = doc->View()->Encoding().encoding == &Utf8Encoding() ? 8 : 1252;
        Editor::Close(doc->View());
        state.ResumeTiming();
    }
}
void BM_Encoding_OpenUntilVisibleColoured10MB_Utf8(benchmark::State& s) { OpenUntilVisibleColoured(s, true); }
void BM_Encoding_OpenUntilVisibleColoured10MB_Windows1252(benchmark::State& s) { OpenUntilVisibleColoured(s, false); }
BENCHMARK(BM_Encoding_OpenUntilVisibleColoured10MB_Utf8)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Encoding_OpenUntilVisibleColoured10MB_Windows1252)->Unit(benchmark::kMillisecond)->Iterations(5);

void Save(benchmark::State& state, bool utf8) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    std::ofstream(path.toStdString(), std::ios::binary) << Page(utf8);
    Editor editor;
    CQuorDoc* doc = editor.app->DocManager().OpenDocumentFile(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(doc->View()->SaveToFile(path, false));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page(utf8).size()));
}
void BM_Encoding_Save10MB_Utf8(benchmark::State& s) { Save(s, true); }
void BM_Encoding_Save10MB_Windows1252(benchmark::State& s) { Save(s, false); }
BENCHMARK(BM_Encoding_Save10MB_Utf8)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Encoding_Save10MB_Windows1252)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Encoding_Decode10MB_Windows1252(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeToUtf8(Page(false), Windows1252Encoding()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page(false).size()));
}
BENCHMARK(BM_Encoding_Decode10MB_Windows1252)->Unit(benchmark::kMillisecond);

void BM_Encoding_Encode10MB_Windows1252(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeFromUtf8(Page(true), Windows1252Encoding()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page(true).size()));
}
BENCHMARK(BM_Encoding_Encode10MB_Windows1252)->Unit(benchmark::kMillisecond);

void BM_Encoding_ValidateUtf8_10MB(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(IsValidUtf8(Page(true)));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page(true).size()));
}
BENCHMARK(BM_Encoding_ValidateUtf8_10MB)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velto::bench
