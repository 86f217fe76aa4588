// Tag editing in a real view over the 10 MB corpus: the typed '>' that closes a start tag
// (key to coloured, end tag inserted), and a caret move with the tag pair marked.
#include "UiBenchSupport.h"

#include "ui/document/IdlePump.h"

#include <benchmark/benchmark.h>

#include <QKeyEvent>

#include <algorithm>
#include <chrono>
#include <vector>

namespace velto::bench {
namespace {

using Clock = std::chrono::steady_clock;

const QByteArray& Corpus10MB(benchmark::State& state) {
    static const QByteArray text = QByteArray::fromStdString(ReadCorpus("corpus-10mb.html"));
    if (text.isEmpty())
        state.SkipWithError("no corpus: run through make bench (scripts/make-corpus)");
    return text;
}

void Type(CQuorView* view, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(view, &press);
}

void Report(benchmark::State& state, std::vector<double>& micros) {
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p90_us"] = micros[micros.size() * 9 / 10];
    state.counters["max_us"] = micros.back();
}

// The '>' of "<b" typed at the start of a different line each time in the middle of the
// document: the end tag inserted, the undo record, the modified flag and the colouring.
void BM_UiTagEditing_TypeClosingGreater10MB(benchmark::State& state) {
    const QByteArray& page = Corpus10MB(state);
    if (page.isEmpty())
        return;
    Editor editor;
    CQuorView* view = editor.ViewWith(page);
    editor.app->DocManager().Idle().RunUntilIdle();
    const long middleLine =
        view->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, view->TextLength() / 2UL);
    std::vector<double> micros;
    int closed = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const int at = static_cast<int>(view->SendScintilla(
                QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(middleLine + 2 * i)));
            view->SetSelection(at, at);
            Type(view, Qt::Key_Less, QStringLiteral("<"));
            Type(view, Qt::Key_B, QStringLiteral("b"));
            const int before = view->TextLength();
            const auto t0 = Clock::now();
            Type(view, Qt::Key_Greater, QStringLiteral(">"));
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
            closed += view->TextLength() == before + 5 ? 1 : 0;
        }
    }
    Report(state, micros);
    state.counters["closed"] = closed; // how many got their end tag
}
BENCHMARK(BM_UiTagEditing_TypeClosingGreater10MB)->Iterations(1)->Unit(benchmark::kMillisecond);

// A caret move to 2000 places spread over the document, and to the '<' + 1 of the next
// tag after each (the caret in a tag, so a pair is searched); what SCN_UPDATEUI runs.
void CaretMoves(benchmark::State& state, bool intoTags) {
    const QByteArray& page = Corpus10MB(state);
    if (page.isEmpty())
        return;
    Editor editor;
    CQuorView* view = editor.ViewWith(page);
    editor.app->DocManager().Idle().RunUntilIdle();
    const int length = view->TextLength();
    std::vector<double> micros;
    int marked = 0;
    for (auto _ : state) {
        for (int i = 0; i < 2000; ++i) {
            int at = static_cast<int>(static_cast<long long>(length) * i / 2000) + (i * 7919) % 997;
            if (intoTags) {
                const int lt = static_cast<int>(page.indexOf('<', at));
                at = lt < 0 ? at : lt + 1;
            }
            at = std::min(at, length);
            view->SetSelection(at, at);
            const auto t0 = Clock::now();
            view->UpdateTagHighlight();
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
            marked += view->HighlightedTags() ? 1 : 0;
        }
    }
    Report(state, micros);
    state.counters["pairs"] = marked;
}
void BM_UiTagEditing_CaretMove10MB(benchmark::State& s) { CaretMoves(s, false); }
void BM_UiTagEditing_CaretIntoTag10MB(benchmark::State& s) { CaretMoves(s, true); }
BENCHMARK(BM_UiTagEditing_CaretMove10MB)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UiTagEditing_CaretIntoTag10MB)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velto::bench
