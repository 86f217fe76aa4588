// ContextFinder: what the caret stands in, from a bounded stretch of text around it.
#include "core/completion/CompletionContext.h"

#include "core/completion/OpenElements.h"
#include "core/completion/TagCaretScan.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/CharacterReferences.h"
#include "core/platform/TextControl.h"
#include "core/tagassist/MarkupScanner.h"
#include "core/tagassist/TagSyntax.h"

#include <algorithm>

namespace velto {

namespace {
constexpr std::size_t npos = std::string_view::npos;
using Kind = CompletionContext::Kind;

constexpr bool IsAsciiAlnum(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Where the end tag of a script or style element starts in text from `from`, or npos.
std::size_t RawTextEnd(std::string_view text, std::size_t from, std::string_view name) {
    for (std::size_t lt = text.find("</", from); lt != npos; lt = text.find("</", lt + 1)) {
        const std::size_t after = lt + 2 + name.size();
        if (after <= text.size() && ascii::EqualNoCase(text.substr(lt + 2, name.size()), name) &&
            (after == text.size() || !IsTagNameChar(static_cast<unsigned char>(text[after]))))
            return lt;
    }
    return npos;
}

// Where the text of [0, before.size()) can be read from as plain text, or npos when the
// caret lies inside the comment, script or style sheet the known start is in.
std::size_t ScanStart(std::string_view before, int first, KnownStart known) {
    const int caret = first + static_cast<int>(before.size());
    if (known.pos < first || known.pos > caret)
        return 0;
    const auto k = static_cast<std::size_t>(known.pos - first);
    std::size_t end = npos;
    switch (known.mode) {
    case KnownStart::Mode::Text:
        return k;
    case KnownStart::Mode::Comment:
        // The checkpoint may stand between the "--" and the '>'.
        end = before.find("-->", k < 2 ? 0 : k - 2);
        return end == npos ? npos : end + 3;
    case KnownStart::Mode::Script:
        return RawTextEnd(before, k, "script");
    case KnownStart::Mode::Style:
        return RawTextEnd(before, k, "style");
    }
    return 0;
}
} // namespace

CompletionContext ContextFinder::Find(const TextControl& control, int caret, KnownStart known) {
    CompletionContext c;
    const int length = control.Length();
    caret = std::clamp(caret, 0, length);
    c.caret = c.from = c.to = caret;
    const int first = std::max(0, caret - Reach);
    const int last = static_cast<int>(std::min<long long>(length, static_cast<long long>(caret) + TagReach));
    control.GetTextRange(first, last, text_);
    const std::string_view all = text_;
    const auto at = static_cast<std::size_t>(caret - first);
    const std::string_view before = all.substr(0, at);
    const std::string_view after = all.substr(at);

    const std::size_t scanFrom = ScanStart(before, first, known);
    if (scanFrom == npos)
        return c;
    const std::string_view scanned = before.substr(scanFrom);
    const std::optional<MarkupItem> item = MarkupItemAt(scanned, scanned.size(), false);

    // A character reference's name: '&' and letters or digits just before the caret.
    std::size_t ref = before.size();
    while (ref > scanFrom && before.size() - ref <= MaxCharacterReferenceName && IsAsciiAlnum(before[ref - 1]))
        --ref;
    const bool reference = ref > scanFrom && before[ref - 1] == '&';
    const auto fillReference = [&] {
        c.kind = Kind::Reference;
        c.from = first + static_cast<int>(ref);
        c.typed = before.substr(ref);
        std::size_t end = 0;
        while (end < after.size() && end <= MaxCharacterReferenceName && IsAsciiAlnum(after[end]))
            ++end;
        c.to = caret + static_cast<int>(end);
    };

    if (!item) {
        if (reference) {
            fillReference();
        } else if (!scanned.empty() && scanned.back() == '<') {
            // Right after a lone '<': the place for a new element's name.
            c.kind = Kind::Element;
            c.tagStart = caret - 1;
            c.tagText = "<";
        }
        if (c.kind == Kind::Element) {
            const OpenElementsFound open = FindOpenElements(kb_, all, at - 1);
            c.open = open.open;
            c.previousSibling = open.previousSibling;
            c.openKnown = open.reachedStart && first == 0;
        }
        return c;
    }
    if (item->kind != MarkupItem::Kind::StartTag && item->kind != MarkupItem::Kind::EndTag)
        return c; // a comment, a declaration, a script or a style sheet

    const std::size_t tagRel = scanFrom + item->start;
    const std::string_view tagToCaret = before.substr(tagRel);
    const TagCaretState s = ScanTagToCaret(tagToCaret);
    const TagRest rest = ScanTagFromCaret(after, s);
    using Where = TagCaretState::Where;
    c.tagStart = first + static_cast<int>(tagRel);
    c.tagText = all.substr(tagRel, at - tagRel + rest.tagEnd);
    c.tagClosed = rest.closed;
    c.endTag = s.endTag;
    c.elementName = tagToCaret.substr(s.nameStart, s.nameEnd - s.nameStart);
    if (s.where == Where::Name)
        c.elementName += after.substr(0, rest.wordEnd);
    if (s.endTag || (!c.elementName.empty() && c.elementName[0] == '!'))
        return c;

    const bool inValue = s.where == Where::QuotedValue || s.where == Where::UnquotedValue;
    if (inValue || s.where == Where::AfterEquals)
        c.attributeName = tagToCaret.substr(s.attributeStart, s.attributeEnd - s.attributeStart);
    if (reference && inValue &&
        first + static_cast<int>(ref) - 1 >= c.tagStart + static_cast<int>(s.wordStart)) {
        fillReference();
        return c;
    }
    c.from = c.tagStart + static_cast<int>(s.wordStart);
    c.typed = tagToCaret.substr(s.wordStart);
    if (c.typed.size() > static_cast<std::size_t>(WordReach)) {
        c.kind = Kind::None;
        return c;
    }
    c.to = c.typed.empty() && s.where != Where::QuotedValue ? caret : caret + static_cast<int>(rest.wordEnd);
    switch (s.where) {
    case Where::Name: {
        c.kind = Kind::Element;
        const OpenElementsFound open = FindOpenElements(kb_, all, tagRel);
        c.open = open.open;
        c.previousSibling = open.previousSibling;
        c.openKnown = open.reachedStart && first == 0;
        break;
    }
    case Where::AttributeName:
        c.kind = Kind::Attribute;
        c.followedByValue = rest.equalsFollows;
        break;
    case Where::BetweenAttributes:
        c.kind = Kind::Attribute;
        break;
    case Where::AfterEquals:
    case Where::UnquotedValue:
    case Where::QuotedValue:
        if (c.attributeName.empty()) {
            c.kind = Kind::None;
            c.from = c.to = caret;
            c.typed.clear();
            return c;
        }
        c.kind = Kind::Value;
        c.quote = s.quote;
        c.valueFrom = c.tagStart + static_cast<int>(s.valueStart);
        c.valueTo = caret + static_cast<int>(rest.valueEnd);
        break;
    }
    return c;
}

} // namespace velto
