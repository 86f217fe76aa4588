// OpenElements: the elements still open before a place, read backward.
#include "core/completion/OpenElements.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/tagassist/EndTagRule.h"
#include "core/tagassist/MarkupScanner.h"

#include <algorithm>

namespace velto {

OpenElementsFound FindOpenElements(const HtmlKnowledgeBase& kb, std::string_view text,
                                   std::size_t before, std::size_t depth) {
    OpenElementsFound found;
    MarkupBackScanner back(text, before);
    // End tags passed whose start tags are still ahead (behind, in text order).
    std::vector<std::string_view> closing;
    // The start tags met at the level being walked, later ones first.
    std::vector<std::string_view> levelStarts;
    // A damaged page may close far more than it opens; past this the walk is not worth it.
    constexpr std::size_t MaxClosing = 256;
    while (found.open.size() < depth) {
        const std::optional<MarkupItem> item = back.Previous();
        if (!item) {
            found.reachedStart = true;
            break;
        }
        if (item->name.empty())
            continue;
        if (item->kind == MarkupItem::Kind::EndTag) {
            if (closing.size() == MaxClosing)
                break;
            closing.push_back(item->name);
            continue;
        }
        const EndTag rule = EndTagRule(kb, item->name);
        if (item->selfClosing || rule == EndTag::None)
            continue;
        if (!closing.empty()) {
            // Its end tag was passed; a start without one inside a closed element (a LI
            // whose end tag was left out) was closed by something there too.
            if (ascii::EqualNoCase(closing.back(), item->name)) {
                closing.pop_back();
                if (closing.empty()) {
                    if (found.previousSibling.empty() && found.open.empty())
                        found.previousSibling = item->name;
                    levelStarts.push_back(item->name);
                }
            }
            continue;
        }
        if (rule == EndTag::Optional &&
            std::any_of(levelStarts.begin(), levelStarts.end(), [&](std::string_view later) {
                return StartImpliesEnd(item->name, later);
            })) {
            if (found.previousSibling.empty() && found.open.empty())
                found.previousSibling = item->name;
            levelStarts.push_back(item->name);
            continue;
        }
        found.open.emplace_back(item->name);
        levelStarts.assign(1, item->name);
    }
    return found;
}

} // namespace velto
