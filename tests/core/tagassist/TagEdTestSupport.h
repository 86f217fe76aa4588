// A knowledge base with every version selected, a text control and a tag editor over it.
#pragma once

#include "core/htmlkb/KbTestSupport.h"
#include "core/menu/MenuModel.h"
#include "core/platform/MemoryTextControl.h"
#include "core/tagassist/HtmlElementEd.h"

#include <string>

namespace velto::test {

class TagEdTest : public KbTest {
protected:
    TagEdTest() { kb.RebuildAllowed(); }

    MemoryTextControl control;
    HtmlElementEd ed{kb, control};

    // Puts text in the control with the selection from anchor to caret.
    void Load(std::string text, int anchor, int caret) {
        control = MemoryTextControl(std::move(text));
        control.SetSelection({anchor, caret});
    }
    // The tag text found with the caret at pos, or "-" when there is none.
    std::string TagAt(std::string text, int pos) {
        Load(std::move(text), pos, pos);
        return ed.FindTagAtCaret() ? ed.TagText() : "-";
    }

    // Sets (or removes) an attribute of the element in a tag text.
    std::string Set(std::string_view tag, std::string_view element, std::string_view att,
                    std::string_view value, bool set = true) {
        return HtmlElementEd::SetAttributeText(Att(element, att), tag, value, set);
    }
};

// The four parts FindAttributeText fills, or "absent".
inline std::string Parts(std::string_view name, std::string_view tag) {
    std::string before, namePart, value, after;
    if (!HtmlElementEd::FindAttributeText(name, tag, &before, &namePart, &value, &after))
        return "absent";
    return before + '|' + namePart + '|' + value + '|' + after;
}

// The item of this text anywhere in a menu model, or nullptr.
inline const MenuItem* ByText(const MenuModel& menu, std::string_view text) {
    for (const MenuItem& item : menu.Items()) {
        if (item.text == text)
            return &item;
        if (item.IsSubmenu())
            if (const MenuItem* inner = ByText(item.submenu, text))
                return inner;
    }
    return nullptr;
}

} // namespace velto::test
