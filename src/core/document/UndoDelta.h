// One change of a document's text, as the undo history keeps it.
#pragma once

#include <string>

namespace velto {

struct CUndoDelta {
    int oldStart = 0;    // where the replaced text began
    int caretBefore = 0; // caret before the change, restored by Undo
    std::string oldText; // the replaced text (empty for a pure insertion)
    int newStart = 0;    // start of the replacement in the changed text
    int newEnd = 0;      // end of the replacement in the changed text
    std::string newText; // the replacement (empty for a pure deletion)
    int extra = 0;       // the pending change kind when the change was made; not replayed
    int caretAfter = 0;  // caret after the change, restored by Redo

    bool operator==(const CUndoDelta&) const = default;
};

} // namespace velto
