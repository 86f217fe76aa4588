// Check Page in the editor, on the 1 MB corpus page: what a keystroke costs with checking
// on (nothing is checked while keys come), and the event loop's share of a re-check: the
// copy of the text handed to the worker, and the problems taken back and underlined.
#include "UiBenchSupport.h"

#include "ui/app/CMainFrame.h"
#include "ui/check/CheckHost.h"
#include "ui/check/ViewChecks.h"

#include <benchmark/benchmark.h>

#include <QKeyEvent>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

namespace velto::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// The event loop thread's own CPU time, in milliseconds: what a busy machine's other
// processes do not add to.
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The corpus page in a view whose first check has come back.
struct CheckedPage {
    Editor editor;
    CheckHost* host = nullptr;
    CQuorView* view = nullptr;
    ViewChecks* checks = nullptr;

    explicit CheckedPage(benchmark::State& state) {
        const std::string page = ReadCorpus("corpus-1mb.html");
        if (page.empty()) {
            state.SkipWithError("no corpus: set VELTO_BENCH_CORPUS (make bench does)");
            return;
        }
        host = CheckHostOf(*editor.app->MainFrame());
        view = editor.ViewWith(QByteArray::fromStdString(page));
        checks = host->ChecksOf(view);
        checks->CheckNow();
        WaitForResult();
    }
    void WaitForResult() {
        const std::uint64_t wanted = host->ChecksSubmitted();
        while (host->ChecksCompleted() < wanted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        QApplication::processEvents();
    }
};

// One key in the middle, in the event loop thread's CPU time; with checking switched off
// for the same page, for comparison.
void TypeKeys(benchmark::State& state, bool checking) {
    CheckedPage page(state);
    if (!page.view)
        return;
    if (!checking) {
        CheckSettings off = page.host->Settings();
        off.checkPages = false;
        page.host->ApplySettings(off);
    }
    const long middleLine = page.view->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                                     page.view->TextLength() / 2UL);
    const std::uint64_t before = page.host->ChecksSubmitted();
    std::vector<double> micros;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const int at = static_cast<int>(
                page.view->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                                         static_cast<unsigned long>(middleLine + i)));
            page.view->SetSelection(at, at);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            const double t0 = ThreadCpuMs();
            QApplication::sendEvent(page.view, &press);
            micros.push_back((ThreadCpuMs() - t0) * 1000);
            QApplication::processEvents();
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p90_us"] = micros[micros.size() * 9 / 10];
    state.counters["checks_while_typing"] =
        static_cast<double>(page.host->ChecksSubmitted() - before);
}

void BM_UiCheck_Keystroke1MB(benchmark::State& state) {
    TypeKeys(state, true);
}
BENCHMARK(BM_UiCheck_Keystroke1MB)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_UiCheck_Keystroke1MBCheckingOff(benchmark::State& state) {
    TypeKeys(state, false);
}
BENCHMARK(BM_UiCheck_Keystroke1MBCheckingOff)->Iterations(1)->Unit(benchmark::kMillisecond);

// A re-check after a keystroke: the event loop's two shares in its thread's CPU time, and
// the whole until the underlines are up (the worker's check in between) in wall time.
void BM_UiCheck_Recheck1MB(benchmark::State& state) {
    CheckedPage page(state);
    if (!page.view)
        return;
    double copy = 0;
    double apply = 0;
    double total = 0;
    int runs = 0;
    for (auto _ : state) {
        const int at = page.view->TextLength() / 2;
        page.view->SetSelection(at, at);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(page.view, &press);
        const auto t0 = Clock::now();
        const double c0 = ThreadCpuMs();
        page.checks->CheckNow();
        const double c1 = ThreadCpuMs();
        const std::uint64_t wanted = page.host->ChecksSubmitted();
        while (page.host->ChecksCompleted() < wanted)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        const double c2 = ThreadCpuMs();
        QApplication::processEvents(); // the result is taken and drawn
        const double c3 = ThreadCpuMs();
        const auto t3 = Clock::now();
        copy += c1 - c0;
        apply += c3 - c2;
        total += Ms(t0, t3);
        ++runs;
    }
    state.counters["loop_copy_ms"] = copy / runs;
    state.counters["loop_apply_ms"] = apply / runs;
    state.counters["until_underlined_ms"] = total / runs;
    state.counters["problems"] = static_cast<double>(page.checks->Problems().size());
}
BENCHMARK(BM_UiCheck_Recheck1MB)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velto::bench
