// ViewChecks: one view's problems, underlines and tooltips.
#include "ui/check/ViewChecks.h"

#include "ui/check/CheckHost.h"
#include "ui/document/CQuorView.h"

#include <QHelpEvent>
#include <QToolTip>

namespace velto {

namespace {
int IndicatorOf(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return ViewChecks::ErrorIndicator;
    case Severity::Warning:
        return ViewChecks::WarningIndicator;
    case Severity::Info:
        break;
    }
    return ViewChecks::InfoIndicator;
}
} // namespace

ViewChecks::ViewChecks(CheckHost& host, CQuorView& view, std::uint64_t id)
    : QObject(&view), host_(host), view_(view), id_(id) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ViewChecks::CheckNow);
    // The edits as the view announces them (before they happen, in the document's
    // positions, which a long line shown broken does not share with the control): a
    // keystroke only notes its place and restarts the timer.
    connect(&view_, &CQuorView::DocumentChanging, this, &ViewChecks::OnModified);
    SetUpIndicators();
    view_.viewport()->installEventFilter(this);
}

ViewChecks::~ViewChecks() = default;

void ViewChecks::SetUpIndicators() {
    struct Look {
        int indicator;
        int style;
        long colour; // red in the low byte
    };
    const Look looks[] = {
        {ErrorIndicator, QsciScintillaBase::INDIC_SQUIGGLEPIXMAP, 0x2020D8},
        {WarningIndicator, QsciScintillaBase::INDIC_SQUIGGLEPIXMAP, 0x0090E8},
        {InfoIndicator, QsciScintillaBase::INDIC_DOTS, 0xC07030},
    };
    for (const Look& look : looks) {
        const auto indicator = static_cast<unsigned long>(look.indicator);
        view_.SendScintilla(QsciScintillaBase::SCI_INDICSETSTYLE, indicator,
                            static_cast<long>(look.style));
        view_.SendScintilla(QsciScintillaBase::SCI_INDICSETFORE, indicator, look.colour);
        view_.SendScintilla(QsciScintillaBase::SCI_INDICSETUNDER, indicator, 1L);
    }
}

void ViewChecks::OnModified(int position, int length, bool inserting) {
    // With checking off there are no problems to move and nothing to check later.
    if (position < 0 || length <= 0 || !host_.Settings().checkPages)
        return;
    const auto pos = static_cast<std::size_t>(position);
    const auto n = static_cast<std::size_t>(length);
    if (inserting) {
        sinceSubmit_.Inserted(pos, n);
        sinceResult_.Inserted(pos, n);
    } else {
        sinceSubmit_.Deleted(pos, n);
        sinceResult_.Deleted(pos, n);
    }
    ++generation_;
    timer_.start(CheckHost::PauseMs);
}

void ViewChecks::Schedule(int delayMs) {
    timer_.start(delayMs);
}

void ViewChecks::CheckNow() {
    timer_.stop();
    // One text at a time: the next is taken when the last comes back, so that a large
    // page is never held three times over (the control's, the worker's and the next).
    if (inFlight_) {
        checkWhenBack_ = true;
        return;
    }
    // The document's text (a long line is checked as it is, not as it is shown), in the
    // memory the last check handed back.
    std::string text = std::move(spare_);
    text.clear();
    const auto length = static_cast<std::size_t>(view_.TextLength());
    // Room to grow, so that the next few keys' checks fit in the same memory.
    if (text.capacity() < length)
        text.reserve(length + length / 16 + 4096);
    for (std::string_view piece : view_.DocumentPieces())
        text.append(piece);
    if (host_.Submit(*this, generation_, std::move(text))) {
        submitted_ = generation_;
        sinceSubmit_.Clear();
        inFlight_ = true;
    }
}

void ViewChecks::Receive(CheckWorker::Result result) {
    spare_ = std::move(result.text);
    inFlight_ = false;
    if (result.generation == submitted_)
        Place(std::move(result.problems));
    // Edits that came while it was checked are checked now.
    if (checkWhenBack_) {
        checkWhenBack_ = false;
        CheckNow();
    }
}

void ViewChecks::Place(std::vector<Problem> problems) {
    problems_ = std::move(problems);
    // The page may have been edited while it was checked: the places follow those edits.
    for (Problem& p : problems_) {
        std::tie(p.start, p.end) = sinceSubmit_.Map(p.start, p.end);
        if (p.HasRelated())
            std::tie(p.relatedStart, p.relatedEnd) = sinceSubmit_.Map(p.relatedStart, p.relatedEnd);
    }
    sinceResult_.Clear();
    checked_ = true;
    lastVisited.reset();
    Draw();
    Q_EMIT ProblemsChanged();
}

void ViewChecks::Clear() {
    timer_.stop();
    checkWhenBack_ = false;
    problems_.clear();
    sinceResult_.Clear();
    checked_ = false;
    lastVisited.reset();
    Draw();
    Q_EMIT ProblemsChanged();
}

const std::vector<Problem>& ViewChecks::Problems() {
    if (!sinceResult_.Empty()) {
        for (Problem& p : problems_) {
            std::tie(p.start, p.end) = sinceResult_.Map(p.start, p.end);
            if (p.HasRelated())
                std::tie(p.relatedStart, p.relatedEnd) =
                    sinceResult_.Map(p.relatedStart, p.relatedEnd);
        }
        sinceResult_.Clear();
    }
    return problems_;
}

void ViewChecks::Draw() {
    const long length = view_.TextLength();
    for (int indicator : {ErrorIndicator, WarningIndicator, InfoIndicator})
        view_.ClearIndicatorEverywhere(indicator);
    for (const Problem& p : problems_) {
        const long start = std::min(static_cast<long>(p.start), length);
        // An empty range is shown on the character it stands before.
        const long end = std::min(std::max(static_cast<long>(p.end), start + 1), length);
        if (end <= start)
            continue;
        view_.SetIndicator(IndicatorOf(p.severity), static_cast<int>(start), static_cast<int>(end), true);
    }
}

void ViewChecks::Select(std::size_t index) {
    const std::vector<Problem>& problems = Problems();
    if (index >= problems.size())
        return;
    const Problem& p = problems[index];
    lastVisited = index;
    // The caret at the start, so that the next problem is found from there.
    view_.SetSelection(static_cast<int>(p.end), static_cast<int>(p.start));
    view_.SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE,
                        static_cast<unsigned long>(view_.ShownPosition(static_cast<int>(p.end))),
                        static_cast<long>(view_.ShownPosition(static_cast<int>(p.start))));
}

bool ViewChecks::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view_.viewport() || event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const long pos = view_.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE,
                                         static_cast<unsigned long>(help->pos().x()),
                                         static_cast<long>(help->pos().y()));
    QStringList messages;
    if (pos >= 0) {
        const auto at = static_cast<std::size_t>(view_.DocumentPosition(static_cast<int>(pos)));
        for (const Problem& p : Problems())
            if (p.start <= at && (at < p.end || (p.start == p.end && at == p.start)))
                messages << QString::fromStdString(p.message);
    }
    if (messages.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), messages.join(QLatin1Char('\n')), view_.viewport());
    }
    return true;
}

} // namespace velto
