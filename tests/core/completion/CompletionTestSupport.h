// A knowledge base, a text control and the completion pieces over them; texts are written
// with '|' where the caret stands.
#pragma once

#include "core/completion/CompletionApplier.h"
#include "core/completion/CompletionContext.h"
#include "core/completion/Completer.h"
#include "core/htmlkb/KbTestSupport.h"
#include "core/platform/MemoryTextControl.h"

#include <algorithm>
#include <string>
#include <vector>

namespace velto::test {

class CompletionTest : public KbTest {
protected:
    CompletionTest() { kb.RebuildAllowed(); }

    // Puts the text, without its '|', in the control with the caret at the '|'.
    int Load(std::string text) {
        const std::size_t bar = text.find('|');
        if (bar == std::string::npos)
            throw std::invalid_argument("no caret in " + text);
        text.erase(bar, 1);
        control = MemoryTextControl(std::move(text));
        const int caret = static_cast<int>(bar);
        control.SetSelection({caret, caret});
        return caret;
    }
    CompletionContext At(const std::string& text) {
        const int caret = Load(text);
        return finder.Find(control, caret);
    }
    std::vector<CompletionItem> Items(const std::string& text) {
        context = At(text);
        return completer.Items(context, sources);
    }
    // The texts of the first n items (all with n 0).
    std::vector<std::string> Texts(const std::string& text, std::size_t n = 0) {
        std::vector<std::string> texts;
        for (const CompletionItem& item : Items(text))
            if (n == 0 || texts.size() < n)
                texts.push_back(item.text);
        return texts;
    }
    // The item of that text in the last list, or nullptr.
    const CompletionItem* Find(const std::vector<CompletionItem>& items, std::string_view text) {
        const auto it = std::find_if(items.begin(), items.end(),
                                     [&](const CompletionItem& i) { return i.text == text; });
        return it == items.end() ? nullptr : &*it;
    }
    // The text after choosing the item of that text, '|' at the caret; "(none)" when no
    // such item is listed. followed tells whether a list follows.
    std::string Choose(const std::string& text, std::string_view itemText, bool* followed = nullptr) {
        const std::vector<CompletionItem> items = Items(text);
        const CompletionItem* item = Find(items, itemText);
        if (!item)
            return "(none)";
        const bool more = applier.Apply(control, context, *item);
        if (followed)
            *followed = more;
        std::string result = control.Text();
        return result.insert(static_cast<std::size_t>(control.GetSelection().caret), "|");
    }

    MemoryTextControl control;
    ContextFinder finder{kb};
    Completer completer{kb};
    CompletionApplier applier{kb};
    CompletionSources sources;
    CompletionContext context;
};

inline bool Contains(const std::vector<std::string>& texts, std::string_view text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The position of a text in a list, or the list's size when it is not there.
inline std::size_t IndexOf(const std::vector<std::string>& texts, std::string_view text) {
    return static_cast<std::size_t>(std::find(texts.begin(), texts.end(), text) - texts.begin());
}

} // namespace velto::test
