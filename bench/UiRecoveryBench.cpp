// The recovery write as the editor does it: a key typed in the middle of a 10 MB document
// (not timed), then the write of its recovery file. Timed twice: what the event loop
// spends (the text copied and handed to the worker, until control returns), and the
// whole way until the file is on the disk.
#include "UiBenchSupport.h"

#include "ui/document/RecoveryHost.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace velto::bench {
namespace {

// untilOnDisk: whether the timing goes on until the worker has flushed the file.
void WriteAfterKeystroke(benchmark::State& state, bool untilOnDisk) {
    QTemporaryDir stateHome;
    qputenv("XDG_STATE_HOME", stateHome.path().toLocal8Bit());
    Editor editor;
    CQuorView* view = editor.ViewWith(QByteArray::fromStdString(HtmlOfSize(10 * 1024 * 1024)));
    CQuorDoc* doc = view->GetDocument();
    RecoveryHost& host = editor.app->Recovery();
    int at = view->TextLength() / 2;
    for (auto _ : state) {
        state.PauseTiming();
        view->SetSelection(at, at);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(view, &press);
        at += 7; // the gap moves each time, as it does when typing goes on elsewhere
        state.ResumeTiming();
        host.WriteAllNow();
        if (untilOnDisk) {
            host.WaitForWrites();
        } else {
            // The worker's write is not the event loop's time; it must not overlap the next
            // keystroke either.
            state.PauseTiming();
            host.WaitForWrites();
            state.ResumeTiming();
        }
    }
    if (host.FileOf(doc).isEmpty() || !QFileInfo::exists(host.FileOf(doc)))
        state.SkipWithError("no recovery file was written");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * view->TextLength());
    Editor::Close(view);
    qunsetenv("XDG_STATE_HOME");
}

// The event loop's share: from the timer's call until control returns to the loop.
void BM_UiRecovery_WriteAfterKeystroke10MB(benchmark::State& state) {
    WriteAfterKeystroke(state, false);
}
BENCHMARK(BM_UiRecovery_WriteAfterKeystroke10MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The same until the worker has the file on the disk (rename and folder flushed).
void BM_UiRecovery_WriteAfterKeystrokeOnDisk10MB(benchmark::State& state) {
    WriteAfterKeystroke(state, true);
}
BENCHMARK(BM_UiRecovery_WriteAfterKeystrokeOnDisk10MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace
} // namespace velto::bench
