// Fuzzes the page colouring: a text is coloured whole, changed by one edit that the
// colourer follows and colours as an editor view does, then coloured in the background
// until nothing is pending; every style must then be the one colouring the changed text
// whole gives.
#include "core/colouring/CHtmlColourer.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
// The knowledge base of a fresh start, built once.
const velto::HtmlKnowledgeBase& Kb() {
    static velto::CHtmlConfig html;
    static const velto::CEditorConfig editor;
    static velto::HtmlKnowledgeBase kb(html, editor);
    static const bool built = (kb.RebuildAllowed(), true);
    (void)built;
    return kb;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velto;
    const HtmlKnowledgeBase& kb = Kb();
    // Six bytes of header: where the edit goes, how much it deletes, how much of the rest
    // it inserts; the rest is the page followed by the inserted text.
    if (size < 6)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 6, size - 6);
    const std::size_t insertLength = data[4] % (rest.size() + 1);
    const std::string page = rest.substr(0, rest.size() - insertLength);
    const std::string inserted = rest.substr(page.size());
    const int first = static_cast<int>((data[0] | data[1] << 8) % (page.size() + 1));
    const int deleted = static_cast<int>((data[2] | data[3] << 8) % (page.size() - first + 1));

    MemoryTextControl control(page);
    CHtmlColourer colourer(kb, ColourMode::Tags);
    colourer.ColourWholeControl(control);
    control.ReplaceRange(first, first + deleted, inserted);
    const int pastEnd = first + static_cast<int>(inserted.size());
    colourer.TextEdited(first, first + deleted, pastEnd);
    if (data[5] & 1)
        colourer.ColourEdit(control, first, pastEnd);
    for (int guard = 0; !colourer.Complete(); ++guard) {
        if (guard > 1000000)
            std::abort();
        colourer.ColourNextChunk(control, 1 + data[5] * 64);
    }
    MemoryTextControl whole(control.Text());
    CHtmlColourer(kb, ColourMode::Tags).ColourWholeControl(whole);
    if (whole.Styles() != control.Styles())
        std::abort();
    return 0;
}
