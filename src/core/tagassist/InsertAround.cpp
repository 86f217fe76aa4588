// The view's insertion of an opening and a closing text around the selection.
#include "core/tagassist/InsertAround.h"

#include "core/platform/TextControl.h"

#include <string>

namespace velto {

void InsertAroundSelection(TextControl& control, std::string_view open, std::string_view close,
                           bool hasClose) {
    const TextControl::Selection selection = control.GetSelection();
    const int start = selection.Start();
    const int end = selection.End();
    const int openLength = static_cast<int>(open.size());
    if (start == end) {
        control.ReplaceRange(start, start, std::string(open) + std::string(close));
        control.SetSelection({start + openLength, start + openLength});
        return;
    }
    // The close text first, so that the selection's end is still where it was.
    if (!close.empty())
        control.ReplaceRange(end, end, close);
    control.ReplaceRange(start, start, open);
    const int caret = hasClose ? end + openLength + static_cast<int>(close.size()) : start + openLength;
    control.SetSelection({caret, caret});
}

} // namespace velto
