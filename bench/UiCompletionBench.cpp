// Completion through a real view in the middle of the 10 MB corpus: the key that opens the
// list, until the list holds its items (painting excluded), as the author meets it.
#include "UiBenchSupport.h"

#include "ui/completion/ViewCompletion.h"
#include "ui/document/IdlePump.h"

#include <benchmark/benchmark.h>

#include <QKeyEvent>

#include <algorithm>
#include <chrono>
#include <vector>

namespace velto::bench {
namespace {

using Clock = std::chrono::steady_clock;

void Key(CQuorView* view, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(view, &press);
}

// At the start of a different line each time from the middle on: `first` typed untimed,
// then the timed key that opens the list; Escape closes it again.
void OpeningKeys(benchmark::State& state, const QString& first, Qt::Key key, const QString& text) {
    const QByteArray page = QByteArray::fromStdString(HtmlOfSize(10 * 1024 * 1024));
    Editor editor;
    CQuorView* view = editor.ViewWith(page);
    editor.app->DocManager().Idle().RunUntilIdle(); // coloured whole before typing
    const long middleLine = view->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                                static_cast<unsigned long>(view->TextLength() / 2));
    std::vector<double> micros;
    std::size_t shown = 0;
    for (auto _ : state) {
        for (int i = 0; i < 200; ++i) {
            const int at = static_cast<int>(view->SendScintilla(
                QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(middleLine + 2 * i)));
            view->SetSelection(at, at);
            for (QChar c : first)
                Key(view, Qt::Key(c.toUpper().unicode()), QString(c));
            const auto t0 = Clock::now();
            Key(view, key, text);
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
            if (view->Completion()->IsListShown())
                ++shown;
            Key(view, Qt::Key_Escape, {});
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p90_us"] = micros[micros.size() * 9 / 10];
    state.counters["worst_us"] = micros.back();
    state.counters["lists_shown"] = static_cast<double>(shown);
}

void BM_UiCompletion_ElementList10MB(benchmark::State& s) {
    OpeningKeys(s, QStringLiteral("<"), Qt::Key_T, QStringLiteral("t"));
}
BENCHMARK(BM_UiCompletion_ElementList10MB)->Iterations(1)->Unit(benchmark::kMillisecond);
void BM_UiCompletion_AttributeList10MB(benchmark::State& s) {
    OpeningKeys(s, QStringLiteral("<td"), Qt::Key_Space, QStringLiteral(" "));
}
BENCHMARK(BM_UiCompletion_AttributeList10MB)->Iterations(1)->Unit(benchmark::kMillisecond);
void BM_UiCompletion_ReferenceList10MB(benchmark::State& s) {
    OpeningKeys(s, QStringLiteral("&"), Qt::Key_A, QStringLiteral("a"));
}
BENCHMARK(BM_UiCompletion_ReferenceList10MB)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velto::bench
