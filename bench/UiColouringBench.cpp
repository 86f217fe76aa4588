// Colouring through a real QScintilla control: the whole corpus, and a page with large
// inline scripts and style sheets, against QScintilla's own HTML lexer in the same run;
// typing in the middle of large documents and of a large inline script; opening the corpus
// until its visible part is coloured, and the longest idle chunk.
#include "UiBenchSupport.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/CHtmlColourer.h"
#include "core/colouring/ColourSchedule.h"
#include "ui/document/IdlePump.h"
#include "ui/document/ScintillaTextControl.h"

#include <Qsci/qscilexerhtml.h>

#include <benchmark/benchmark.h>

#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <vector>

namespace velto::bench {
namespace {

using Clock = std::chrono::steady_clock;

const QByteArray& Corpus(benchmark::State& state, const char* name) {
    static const QByteArray tenMB = QByteArray::fromStdString(ReadCorpus("corpus-10mb.html"));
    static const QByteArray oneMB = QByteArray::fromStdString(ReadCorpus("corpus-1mb.html"));
    const QByteArray& text = std::string_view(name) == "10mb" ? tenMB : oneMB;
    if (text.isEmpty())
        state.SkipWithError("no corpus: run through make bench (scripts/make-corpus)");
    return text;
}

const QByteArray& Scripted() {
    static const QByteArray page = QByteArray::fromStdString(ScriptedPage(10 * 1024 * 1024));
    return page;
}

// (b) The engine over the whole 10 MB text of a real view, at once.
void WholeTextScintilla(benchmark::State& state, const QByteArray& text) {
    Editor editor;
    CQuorView* view = editor.ViewWith(text);
    CHtmlColourer colourer(editor.app->KnowledgeBase(), ColourMode::Tags);
    for (auto _ : state)
        benchmark::DoNotOptimize(colourer.ColourWholeControl(view->Control()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}

void BM_UiColouring_WholeTextScintilla10MB(benchmark::State& state) {
    if (const QByteArray& text = Corpus(state, "10mb"); !text.isEmpty())
        WholeTextScintilla(state, text);
}
BENCHMARK(BM_UiColouring_WholeTextScintilla10MB)->Unit(benchmark::kMillisecond)->Iterations(5);
void BM_UiColouring_WholeTextScintillaScripted10MB(benchmark::State& state) {
    WholeTextScintilla(state, Scripted());
}
BENCHMARK(BM_UiColouring_WholeTextScintillaScripted10MB)->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor of (b): Scintilla taking ready-made style bytes for the whole text, in the
// batches the engine hands over, with nothing computed.
void BM_UiColouring_SetStylingExFloor10MB(benchmark::State& state) {
    const QByteArray& text = Corpus(state, "10mb");
    if (text.isEmpty())
        return;
    Editor editor;
    CQuorView* view = editor.ViewWith(text);
    std::vector<std::uint8_t> styles(256 * 1024);
    for (std::size_t i = 0; i < styles.size(); ++i)
        styles[i] = static_cast<std::uint8_t>((i / 40) % 3); // runs, as tags and text give
    const int length = view->Control().Length();
    for (auto _ : state)
        for (int at = 0; at < length; at += static_cast<int>(styles.size()))
            view->Control().SetStyles(at, styles);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_UiColouring_SetStylingExFloor10MB)->Unit(benchmark::kMillisecond)->Iterations(5);

// (c) QScintilla's own HTML lexer styling the same text in full (scripts and style sheets
// too).
void QsciLexerHtml(benchmark::State& state, const QByteArray& text) {
    EnsureQtApplication();
    QsciScintilla control;
    QsciLexerHTML lexer;
    control.setLexer(&lexer);
    control.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
    for (auto _ : state) {
        state.PauseTiming();
        control.SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
        state.ResumeTiming();
        control.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}

void BM_UiColouring_QsciLexerHtml10MB(benchmark::State& state) {
    if (const QByteArray& text = Corpus(state, "10mb"); !text.isEmpty())
        QsciLexerHtml(state, text);
}
BENCHMARK(BM_UiColouring_QsciLexerHtml10MB)->Unit(benchmark::kMillisecond)->Iterations(5);
void BM_UiColouring_QsciLexerHtmlScripted10MB(benchmark::State& state) {
    QsciLexerHtml(state, Scripted());
}
BENCHMARK(BM_UiColouring_QsciLexerHtmlScripted10MB)->Unit(benchmark::kMillisecond)->Iterations(5);

// (e) One typed character, from the key to coloured (undo record, modified flag,
// colouring), at the start of a different line each time, from the line at `middle` on
// (the middle of the document when negative).
void Keystrokes(benchmark::State& state, const QByteArray& page, Qt::Key key, const QString& text,
                long middle = -1) {
    Editor editor;
    CQuorView* view = editor.ViewWith(page);
    editor.app->DocManager().Idle().RunUntilIdle(); // coloured whole before typing
    const long middleLine = view->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                                static_cast<unsigned long>(middle >= 0 ? middle : view->TextLength() / 2));
    std::vector<double> micros;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const int at = static_cast<int>(view->SendScintilla(
                QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(middleLine + 2 * i)));
            view->SetSelection(at, at);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            const auto t0 = Clock::now();
            QApplication::sendEvent(view, &press);
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p90_us"] = micros[micros.size() * 9 / 10];
    state.counters["queued"] = view->Colouring()->IsComplete() ? 0 : 1; // all coloured at once
}

void CorpusKeystrokes(benchmark::State& s, const char* corpus, Qt::Key key, const QString& text) {
    if (const QByteArray& page = Corpus(s, corpus); !page.isEmpty())
        Keystrokes(s, page, key, text);
}
void BM_UiColouring_TypeLetter10MB(benchmark::State& s) { CorpusKeystrokes(s, "10mb", Qt::Key_A, QStringLiteral("a")); }
void BM_UiColouring_TypeLess10MB(benchmark::State& s) { CorpusKeystrokes(s, "10mb", Qt::Key_Less, QStringLiteral("<")); }
void BM_UiColouring_TypeLetter1MB(benchmark::State& s) { CorpusKeystrokes(s, "1mb", Qt::Key_A, QStringLiteral("a")); }
void BM_UiColouring_TypeLess1MB(benchmark::State& s) { CorpusKeystrokes(s, "1mb", Qt::Key_Less, QStringLiteral("<")); }
BENCHMARK(BM_UiColouring_TypeLetter10MB)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UiColouring_TypeLess10MB)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UiColouring_TypeLetter1MB)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UiColouring_TypeLess1MB)->Iterations(1)->Unit(benchmark::kMillisecond);

// A letter typed at the start of every other line of a 200 KB inline script, a thousand
// lines from 10 KB into it.
void BM_UiColouring_TypeLetterInScript(benchmark::State& s) {
    const std::string page = Scripted().toStdString();
    Keystrokes(s, Scripted(), Qt::Key_A, QStringLiteral("a"),
               static_cast<long>(FirstScriptMiddle(page)) - 90 * 1024);
}
BENCHMARK(BM_UiColouring_TypeLetterInScript)->Iterations(1)->Unit(benchmark::kMillisecond);

// (f) Opening the 10 MB corpus as a document until its visible part is coloured, and
// (g) the longest single idle tick while the rest is coloured in the background.
void BM_UiColouring_OpenUntilVisibleColoured10MB(benchmark::State& state) {
    const QByteArray& page = Corpus(state, "10mb");
    if (page.isEmpty())
        return;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("corpus.html"));
    std::ofstream(path.toStdString(), std::ios::binary).write(page.constData(), page.size());
    Editor editor;
    IdlePump& idle = editor.app->DocManager().Idle();
    double longestTickMs = 0;
    for (auto _ : state) {
        CQuorDoc* doc = editor.app->DocManager().OpenDocumentFile(path);
        ColourSchedule* schedule = doc->View()->Colouring();
        while (!schedule->VisibleAreaColoured())
            idle.RunUntilIdle(1);
        state.PauseTiming();
        // The rest of the document in idle chunks: the longest single tick.
        for (bool more = true; more;) {
            const auto t0 = Clock::now();
            more = !idle.RunUntilIdle(1);
            longestTickMs = std::max(longestTickMs,
                                     std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        }
        Editor::Close(doc->View());
        state.ResumeTiming();
    }
    state.counters["longest_idle_tick_ms"] = longestTickMs;
}
BENCHMARK(BM_UiColouring_OpenUntilVisibleColoured10MB)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace velto::bench
