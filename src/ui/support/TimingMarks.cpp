// TimingMarks: the marker lines for timing the editor from outside the process.
#include "ui/support/TimingMarks.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace velto {
namespace {

long long NowMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

void PrintMark(const char* name, long long at, long long extra = -1) {
    if (extra >= 0)
        std::fprintf(stderr, "velto-mark %s %lld %lld\n", name, at, extra);
    else
        std::fprintf(stderr, "velto-mark %s %lld\n", name, at);
    std::fflush(stderr);
}

// The editor control a widget is the viewport of, or none.
QsciScintilla* ControlOfViewport(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    auto* control = qobject_cast<QsciScintilla*>(widget->parentWidget());
    return control != nullptr && control->viewport() == widget ? control : nullptr;
}

// Whether the control's text on screen is coloured: styled up to the start of the last
// visible line or the character at the window's bottom-right corner, whichever is later
// (a page that is one long line shows only its start), and not all in the default style
// (a control without a lexer counts its text as styled at once).
bool VisibleLinesColoured(QsciScintilla* control) {
    const long length = control->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const long first = control->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    const long lines = control->SendScintilla(QsciScintilla::SCI_LINESONSCREEN);
    const long firstLine = control->SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE,
                                                  static_cast<unsigned long>(first));
    const long lastLine = control->SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE,
                                                 static_cast<unsigned long>(first + lines - 1));
    const long start = control->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE,
                                              static_cast<unsigned long>(firstLine));
    const QSize size = control->viewport()->size();
    const long corner = control->SendScintilla(QsciScintilla::SCI_POSITIONFROMPOINT,
                                               static_cast<unsigned long>(std::max(0, size.width() - 1)),
                                               static_cast<long>(std::max(0, size.height() - 1)));
    const long lastStart = std::min(
        length, std::max(corner, control->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE,
                                                        static_cast<unsigned long>(lastLine))));
    if (length == 0 || control->SendScintilla(QsciScintilla::SCI_GETENDSTYLED) < lastStart)
        return false;
    for (long pos = start; pos < lastStart; ++pos)
        if (control->SendScintilla(QsciScintilla::SCI_GETSTYLEAT,
                                   static_cast<unsigned long>(pos)) != 0)
            return true;
    return false;
}

} // namespace

void TimingMarks::InstallIfAsked() {
    const char* asked = std::getenv("VELTO_TIMING_MARKS");
    if (asked == nullptr || std::strcmp(asked, "1") != 0 || qApp == nullptr)
        return;
    qApp->installEventFilter(new TimingMarks(qApp));
}

bool TimingMarks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        if (!shown_ && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            shown_ = true;
            // Once the events the showing queued have been handled.
            QTimer::singleShot(0, this, [] { PrintMark("shown", NowMicroseconds()); });
        }
        break;
    case QEvent::KeyPress:
        if (qobject_cast<QsciScintilla*>(watched) != nullptr && keyAt_ == 0)
            keyAt_ = NowMicroseconds();
        break;
    case QEvent::MouseButtonPress:
        if (ControlOfViewport(watched) != nullptr && keyAt_ == 0)
            keyAt_ = NowMicroseconds();
        break;
    case QEvent::Paint:
        if (QsciScintilla* control = ControlOfViewport(watched))
            // The filter sees the paint before the control handles it.
            QTimer::singleShot(0, this, [this, guarded = QPointer<QsciScintilla>(control)] {
                if (guarded)
                    AfterPaint(guarded);
            });
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TimingMarks::AfterPaint(QsciScintilla* control) {
    const long long now = NowMicroseconds();
    if (!coloured_ && VisibleLinesColoured(control)) {
        coloured_ = true;
        PrintMark("coloured", now);
    }
    if (keyAt_ != 0) {
        PrintMark("key", now, now - keyAt_);
        keyAt_ = 0;
    }
}

} // namespace velto
