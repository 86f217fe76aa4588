// TimingMarks: marker lines on standard error that let a script outside the process time
// what a user waits for (the window shown, the first screen coloured, a key repainted).
#pragma once

#include <QObject>

class QsciScintilla;

namespace velto {

// Installed only when the environment variable VELTO_TIMING_MARKS is set to 1; then it
// watches every editor control of the application and prints lines of the form
// "velto-mark NAME MICROSECONDS", the wall clock since the epoch, so that a script can
// subtract its own start time:
//   shown     the first top-level window has been shown and its events handled
//   coloured  a control's first paint that found its visible lines styled
//   key       a key press, or a mouse button pressed in its text, reached a control and
//             the repaint that followed has finished (a third field gives the
//             microseconds from the press to then)
class TimingMarks final : public QObject {
public:
    // Installs the marks on the running application when the environment asks for them.
    static void InstallIfAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TimingMarks(QObject* parent) : QObject(parent) {}
    void AfterPaint(QsciScintilla* control);

    bool shown_ = false;
    bool coloured_ = false;
    long long keyAt_ = 0; // the pending key press, or 0
};

} // namespace velto
