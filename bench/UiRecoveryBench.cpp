// The recovery write as the editor does it on the event loop: a key typed in the middle
// of a 10 MB document (not timed), then the write of its recovery file straight from the
// control's buffer.
#include "UiBenchSupport.h"

#include "ui/document/RecoveryHost.h"

#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace velto::bench {
namespace {

void BM_UiRecovery_WriteAfterKeystroke10MB(benchmark::State& state) {
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
    }
    if (host.FileOf(doc).isEmpty())
        state.SkipWithError("no recovery file was written");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * view->TextLength());
    Editor::Close(view);
    qunsetenv("XDG_STATE_HOME");
}
BENCHMARK(BM_UiRecovery_WriteAfterKeystroke10MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace
} // namespace velto::bench
