// Pages that are one long line: what the text control costs for an unbroken line as it
// grows (the cause), and the editor's view of a 20 MB one-line page shown broken (the
// remedy): opening until the first screen is painted and coloured, and a key, an arrow,
// Page Down, End, Home and a click, each until repainted.
#include "UiBenchSupport.h"

#include "core/colouring/ColourSchedule.h"
#include "ui/document/IdlePump.h"

#include <benchmark/benchmark.h>

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <vector>

namespace velto::bench {
namespace {

using Sci = QsciScintillaBase;
using Clock = std::chrono::steady_clock;

// The corpus (or the sample page) with its line ends removed, as build tools write pages.
QByteArray OneLine(std::size_t bytes) {
    std::string text = HtmlOfSize(bytes + bytes / 32);
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    text.resize(std::min(text.size(), bytes));
    return QByteArray::fromStdString(text);
}

double MillisecondsSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// The processor time of this thread, in milliseconds: on a machine shared with other work
// it varies far less than the wall clock.
double ThreadCpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Sends a key to a widget as the window system would and lets the repaint that follows
// happen; returns the milliseconds it took.
double KeyToRepainted(QWidget* target, Qt::Key key, const QString& text = {},
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const auto t0 = Clock::now();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
    return MillisecondsSince(t0);
}

double ClickToRepainted(QsciScintilla* control, QPoint at) {
    const auto t0 = Clock::now();
    QWidget* viewport = control->viewport();
    const QPointF global = viewport->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    QApplication::processEvents();
    return MillisecondsSince(t0);
}

// ---- The cause: a bare control with one unbroken line ----

// A shown control holding one line of the given size, painted once.
struct BareControl {
    QsciScintilla control;
    explicit BareControl(const QByteArray& line, int layoutCache) {
        control.setUtf8(true);
        control.resize(1000, 700);
        control.show();
        control.SendScintilla(Sci::SCI_SETLAYOUTCACHE, static_cast<unsigned long>(layoutCache));
        control.SendScintilla(Sci::SCI_SETTEXT, line.constData());
        control.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(line.size() / 2));
        QApplication::processEvents();
    }
};

// A key typed in the middle of one line of state.range(0) KB, until repainted: the
// control lays out and measures the whole line again for every change.
void BM_LongLine_BareControlKey(benchmark::State& state) {
    EnsureQtApplication();
    const QByteArray line = OneLine(static_cast<std::size_t>(state.range(0)) << 10);
    BareControl bare(line, static_cast<int>(state.range(1)));
    for (auto _ : state)
        state.SetIterationTime(KeyToRepainted(&bare.control, Qt::Key_A, QStringLiteral("a")) / 1000);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * line.size());
}
// Line sizes in KB; the control's layout cache for the caret's line only, and for the
// whole document.
BENCHMARK(BM_LongLine_BareControlKey)
    ->ArgsProduct({{256, 1024, 4096}, {Sci::SC_CACHE_CARET, Sci::SC_CACHE_DOCUMENT}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The same line in a style that is not shown: the control then skips measuring its
// characters, and what remains is its own walk over the line, still for every change.
void BM_LongLine_BareControlKeyUnmeasured(benchmark::State& state) {
    EnsureQtApplication();
    const QByteArray line = OneLine(static_cast<std::size_t>(state.range(0)) << 10);
    BareControl bare(line, Sci::SC_CACHE_CARET);
    bare.control.SendScintilla(Sci::SCI_STYLESETVISIBLE, static_cast<unsigned long>(Sci::STYLE_DEFAULT), 0L);
    bare.control.SendScintilla(Sci::SCI_STYLECLEARALL);
    QApplication::processEvents();
    for (auto _ : state)
        state.SetIterationTime(KeyToRepainted(&bare.control, Qt::Key_A, QStringLiteral("a")) / 1000);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * line.size());
}
BENCHMARK(BM_LongLine_BareControlKeyUnmeasured)
    ->Arg(4096)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// ---- The remedy: the editor's view of a 20 MB one-line page ----

const QByteArray& OneLine20MB() {
    static const QByteArray page = OneLine(20u << 20);
    return page;
}

// Opening: the page loaded as a document is, its visible part coloured and painted.
void BM_LongLine_Open20MB(benchmark::State& state) {
    Editor editor;
    Editor::Close(editor.ViewWith(OneLine20MB())); // the first touch of fresh memory, untimed
    for (auto _ : state) {
        const auto t0 = Clock::now();
        CQuorView* view = editor.ViewWith(OneLine20MB());
        IdlePump& idle = editor.app->DocManager().Idle();
        while (!view->Colouring()->VisibleAreaColoured())
            idle.RunUntilIdle(1);
        view->viewport()->repaint();
        state.SetIterationTime(MillisecondsSince(t0) / 1000);
        state.counters["breaks"] = static_cast<double>(view->Breaks().Count());
        Editor::Close(view);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * OneLine20MB().size());
}
BENCHMARK(BM_LongLine_Open20MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Pasting the whole page into an empty document: the breaks are put in after the change,
// one by one, keeping the text's styles.
void BM_LongLine_Paste20MB(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) {
        state.PauseTiming();
        CQuorView* view = editor.NewView();
        state.ResumeTiming();
        view->EditAsOneChange([&] { view->ReplaceRange(0, 0, OneLine20MB()); });
        view->viewport()->repaint();
        state.PauseTiming();
        state.counters["breaks"] = static_cast<double>(view->Breaks().Count());
        Editor::Close(view);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * OneLine20MB().size());
}
BENCHMARK(BM_LongLine_Paste20MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// Each action repeated over the page, with its median and worst in milliseconds.
void RunActions(benchmark::State& state, const QByteArray& page) {
    Editor editor;
    CQuorView* view = editor.ViewWith(page);
    view->parentWidget()->showMaximized();
    QApplication::processEvents();
    struct Action {
        Action(const char* n, std::function<double()> r) : name(n), run(std::move(r)) {}
        const char* name;
        std::function<double()> run;
        std::vector<double> ms;
        std::vector<double> cpuMs;
    };
    std::vector<Action> actions = {
        {"key", [&] { return KeyToRepainted(view, Qt::Key_A, QStringLiteral("a")); }},
        {"right", [&] { return KeyToRepainted(view, Qt::Key_Right); }},
        {"page_down", [&] { return KeyToRepainted(view, Qt::Key_PageDown); }},
        {"end", [&] { return KeyToRepainted(view, Qt::Key_End); }},
        {"home", [&] { return KeyToRepainted(view, Qt::Key_Home); }},
        {"click", [&] { return ClickToRepainted(view, QPoint(200, 120)); }},
        {"ctrl_home", [&] { return KeyToRepainted(view, Qt::Key_Home, {}, Qt::ControlModifier); }},
    };
    for (auto _ : state) {
        for (int round = 0; round < 20; ++round) {
            // Spread over the page: each round starts somewhere else in it.
            const int at = static_cast<int>(static_cast<long long>(view->TextLength()) * round / 20);
            view->SetSelection(at, at);
            view->SendScintilla(Sci::SCI_SCROLLCARET);
            QApplication::processEvents();
            for (Action& action : actions) {
                const double cpu = ThreadCpuMilliseconds();
                action.ms.push_back(action.run());
                action.cpuMs.push_back(ThreadCpuMilliseconds() - cpu);
            }
        }
    }
    for (Action& action : actions) {
        std::sort(action.ms.begin(), action.ms.end());
        std::sort(action.cpuMs.begin(), action.cpuMs.end());
        state.counters[std::string(action.name) + "_median_ms"] = action.ms[action.ms.size() / 2];
        state.counters[std::string(action.name) + "_worst_ms"] = action.ms.back();
        state.counters[std::string(action.name) + "_cpu_median_ms"] = action.cpuMs[action.cpuMs.size() / 2];
        state.counters[std::string(action.name) + "_cpu_worst_ms"] = action.cpuMs.back();
    }
}

void BM_LongLine_Actions20MB(benchmark::State& state) {
    RunActions(state, OneLine20MB());
}
BENCHMARK(BM_LongLine_Actions20MB)->Iterations(1)->Unit(benchmark::kMillisecond);

// The hostile shape: 50 MB of one letter, no tag and no blank to break after.
void BM_LongLine_ActionsLetter50MB(benchmark::State& state) {
    RunActions(state, QByteArray(50 << 20, 'a'));
}
BENCHMARK(BM_LongLine_ActionsLetter50MB)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velto::bench
