// Refresh Preview of a 10 MB document in a real view: from the command to the address
// handed to the browser (the preview file written beside the document, the scroll anchor
// found, the file registered for clean-up).
#include "UiBenchSupport.h"

#include "ui/preview/PreviewHost.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace velto::bench {
namespace {

void BM_Preview_Refresh10MB(benchmark::State& state) {
    Editor editor;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(HtmlOfSize(10u << 20)));
    }
    CQuorView* view = editor.app->DocManager().OpenDocumentFile(path)->View();
    // The editing position in the middle, the anchor to be found there.
    const int middle = static_cast<int>(view->SendScintilla(QsciScintilla::SCI_GETLINECOUNT)) / 2;
    view->SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(middle));
    editor.app->General().scrollPreview = 1;
    PreviewHost& previews = editor.app->Previews();
    int handedOver = 0;
    previews.Browser().desktopHook = [&handedOver](const QUrl&) {
        ++handedOver;
        return true;
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(previews.Preview(*view));
    if (handedOver != static_cast<int>(state.iterations()))
        state.SkipWithError("the preview was not handed over");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * view->TextLength());
}
BENCHMARK(BM_Preview_Refresh10MB)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
} // namespace velto::bench
