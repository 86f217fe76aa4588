// The live preview pane: the write of its file for a 10 MB document, and an edit of the
// sample page until the pane has the new page loaded (the real engine, offscreen).
#include "UiBenchSupport.h"

#include "core/preview/CCleanupList.h"
#include "core/preview/LivePreviewWriter.h"
#include "core/menu/CommandIds.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CommandTable.h"
#include "ui/document/ScintillaTextControl.h"
#include "ui/preview/LivePreviewPane.h"
#include "ui/preview/PreviewHost.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <vector>

namespace velto::bench {
namespace {

void BM_LivePreview_Write10MB(benchmark::State& state) {
    Editor editor;
    QTemporaryDir dir;
    CQuorView* view = editor.ViewWith(QByteArray::fromStdString(HtmlOfSize(10u << 20)));
    // In the middle, so the anchor at the caret is looked for too.
    view->Control().SetSelection({view->TextLength() / 2, view->TextLength() / 2});
    LivePreviewWriter writer(editor.app->Previews().Cleanup());
    const std::string page = dir.filePath(QStringLiteral("page.html")).toStdString();
    std::string error;
    for (auto _ : state)
        if (!writer.Write(view->Control(), page, dir.path().toStdString(), true, error))
            state.SkipWithError(error.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * view->TextLength());
}
BENCHMARK(BM_LivePreview_Write10MB)->Unit(benchmark::kMillisecond)->Iterations(20);

// Waits for the pane's next page, at most a minute; false when none came.
bool WaitForPage(LivePreviewPane& pane) {
    QEventLoop loop;
    bool ok = false;
    const auto c = QObject::connect(&pane, &LivePreviewPane::PageLoaded, &loop, [&](bool loaded) {
        ok = loaded;
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(c);
    return ok;
}

void BM_LivePreview_EditToLoadedSample(benchmark::State& state) {
    Editor editor;
    // The engine's module sits beside the editor, one folder up from the benchmarks.
    if (!qEnvironmentVariableIsSet("VELTO_WEBENGINE_MODULE"))
        qputenv("VELTO_WEBENGINE_MODULE", (QCoreApplication::applicationDirPath() + "/../velto-webengine.so").toLocal8Bit());
    // A copy with its image, so the pane's files never land in the source tree.
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("images")));
    QFile::copy(QStringLiteral(VELTO_SOURCE_DIR "/data/sample.html"), dir.filePath(QStringLiteral("sample.html")));
    QFile::copy(QStringLiteral(VELTO_SOURCE_DIR "/data/images/burgee.gif"), dir.filePath(QStringLiteral("images/burgee.gif")));
    CQuorDoc* doc = editor.app->DocManager().OpenDocumentFile(dir.filePath(QStringLiteral("sample.html")));
    CMainFrame& frame = *editor.app->MainFrame();
    frame.Commands().Run(CommandId::LivePreview);
    auto* pane = frame.findChild<LivePreviewPane*>();
    if (!doc || !pane || !WaitForPage(*pane)) {
        state.SkipWithError("no live preview");
        return;
    }
    CQuorView* view = doc->View();
    view->setFocus();
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(view, &press);
        if (!WaitForPage(*pane))
            state.SkipWithError("the page did not load");
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    if (!times.empty())
        state.counters["median_ms"] = times[times.size() / 2];
    doc->SetModifiedFlag(false);
}
// The time includes the 300 ms pause the pane waits for after the last change.
BENCHMARK(BM_LivePreview_EditToLoadedSample)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15)
    ->UseRealTime();

} // namespace
} // namespace velto::bench
