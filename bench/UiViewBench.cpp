// Loading, saving and typing in a real view: the editor's own transfer against Scintilla's
// SCI_SETTEXT of the same bytes, and the cost of one keystroke (undo record and modified
// flag included) in the middle of a large document.
#include "UiBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace velto::bench {
namespace {

constexpr std::size_t TwentyMB = 20u << 20;

const QByteArray& Page20MB() {
    static const QByteArray page = QByteArray::fromStdString(HtmlOfSize(TwentyMB));
    return page;
}

// One untimed load first, so that every timed one finds the process's memory as warm as
// the others do (the first touch of 40 MB of fresh pages alone costs more than a load).
void WarmUp(Editor& editor) {
    Editor::Close(editor.ViewWith(Page20MB()));
}

// Times fill(view) on a fresh view each time, closing it untimed.
template <typename Fill>
void TimeNewViews(benchmark::State& state, Editor& editor, Fill fill) {
    for (auto _ : state) {
        state.PauseTiming();
        CQuorView* view = editor.NewView();
        view->setWrapMode(QsciScintilla::WrapNone); // as the view loads a large file
        state.ResumeTiming();
        fill(view);
        state.PauseTiming();
        Editor::Close(view);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * Page20MB().size());
}

void BM_View_LoadPieces20MB(benchmark::State& state) {
    Editor editor;
    WarmUp(editor);
    TimeNewViews(state, editor, [](CQuorView* view) {
        QBuffer file(const_cast<QByteArray*>(&Page20MB()));
        file.open(QIODevice::ReadOnly);
        view->LoadText(file, false);
    });
}
BENCHMARK(BM_View_LoadPieces20MB)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_View_SciSetText20MB(benchmark::State& state) {
    Editor editor;
    WarmUp(editor);
    TimeNewViews(state, editor, [](CQuorView* view) {
        view->SendScintilla(QsciScintillaBase::SCI_SETTEXT, Page20MB().constData());
    });
}
BENCHMARK(BM_View_SciSetText20MB)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_View_Save20MB(benchmark::State& state) {
    Editor editor;
    CQuorView* view = editor.ViewWith(Page20MB());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.html"));
    for (auto _ : state)
        benchmark::DoNotOptimize(view->SaveToFile(path, false));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * Page20MB().size());
}
BENCHMARK(BM_View_Save20MB)->Unit(benchmark::kMillisecond)->Iterations(5);

// Types `count` characters in the middle of a document of `size` bytes and reports the
// median and 90th percentile of one keystroke, from the key event to the completed change.
void TypeInTheMiddle(benchmark::State& state, std::size_t size) {
    Editor editor;
    CQuorView* view = editor.ViewWith(QByteArray::fromStdString(HtmlOfSize(size)));
    const long middleLine =
        view->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, view->TextLength() / 2UL);
    std::vector<double> micros;
    for (auto _ : state) {
        for (int i = 0; i < 2000; ++i) {
            // A character at the start of a line of its own each time, as typing spread
            // over a page: the cost must not grow with the line being typed into.
            const int at = static_cast<int>(view->SendScintilla(
                QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(middleLine + i)));
            view->SetSelection(at, at);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            const auto t0 = std::chrono::steady_clock::now();
            QApplication::sendEvent(view, &press);
            const auto t1 = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p90_us"] = micros[micros.size() * 9 / 10];
    state.counters["records"] = static_cast<double>(view->UndoHistory().Size());
}

void BM_View_Keystroke1MB(benchmark::State& state) {
    TypeInTheMiddle(state, 1u << 20);
}
BENCHMARK(BM_View_Keystroke1MB)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_View_Keystroke20MB(benchmark::State& state) {
    TypeInTheMiddle(state, TwentyMB);
}
BENCHMARK(BM_View_Keystroke20MB)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velto::bench

namespace velto::bench {
namespace {

// Start-up, from the application object to a shown main window with the knowledge base
// built and the untitled first document open (the Qt libraries already loaded).
void BM_App_StartUp(benchmark::State& state) {
    EnsureQtApplication();
    for (auto _ : state) {
        auto app = std::make_unique<CQuorApp>(std::make_unique<MemoryProfile>());
        app->SetPrompter(&Silent());
        app->InitInstance({});
        state.PauseTiming();
        app.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_App_StartUp)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace velto::bench
