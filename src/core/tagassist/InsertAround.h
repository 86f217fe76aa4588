// The view's insertion of an opening and a closing text around the selection.
#pragma once

#include <string_view>

namespace velto {

class TextControl;

// With a selection, open goes before it and close after it, and the caret after close.
// Without one, both go in at the caret, which is left between them so that typing fills
// the element. Text with no closing part at all (hasClose false) goes before the selection,
// which is kept, and the caret after it. The caller makes the edits one undoable change.
void InsertAroundSelection(TextControl& control, std::string_view open, std::string_view close,
                           bool hasClose);

} // namespace velto
