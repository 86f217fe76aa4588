// The accessible interface of the editing views.
#pragma once

namespace velto {

// QScintilla's own accessible interface counts the characters from the start of the text
// to the caret on every caret move (and Qt makes that interface as soon as a view takes
// the focus, whether or not anything listens): seconds per key near the end of a 200 MB
// page. While no assistive technology is active, the views get a plain widget interface
// instead; once one becomes active the plain interfaces are dropped, so the next query
// makes QScintilla's full one, text and caret included. Safe to call more than once.
void InstallViewAccessibility();

} // namespace velto
