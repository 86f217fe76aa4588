// TagMatcher: pairs start and end tags within a bounded window.
#include "core/tagassist/TagMatcher.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/platform/TextControl.h"
#include "core/tagassist/TagSyntax.h"

#include <algorithm>

namespace velto {

namespace {
// The first window each way; it grows fourfold up to the limit.
constexpr int FirstReach = 64 * 1024;
// How far back a caret looks for the '<' of the tag it may be in before anything else.
constexpr int QuickReach = 2048;

int Grow(int reach) {
    return std::min(reach * 4, TagMatcher::SearchLimit);
}
} // namespace

bool TagMatcher::MayBeInTag(const TextControl& control, int pos) {
    // The nearest tag opener at or before pos, parsed (quoted values and all): pos is in a
    // tag only if that one holds it. Plain text, most caret moves, ends here.
    const int first = std::max(0, pos - QuickReach);
    control.GetTextRange(first, pos + TagReach, text_);
    const auto rel = static_cast<std::size_t>(pos - first);
    std::size_t lt = std::min(rel + 1, text_.size());
    do
        lt = lt == 0 ? std::string::npos : text_.rfind('<', lt - 1);
    while (lt != std::string::npos && !IsTagOpener(text_, lt));
    if (lt == std::string::npos)
        return false;
    const std::optional<MarkupItem> item = ParseMarkupAt(text_, lt);
    return item && rel <= item->end; // just after the '>' counts
}

std::optional<TagMatcher::Tag> TagMatcher::TagAt(const TextControl& control, int pos) {
    if (pos < 0 || pos > control.Length() || !MayBeInTag(control, pos))
        return std::nullopt;
    const int first = std::max(0, pos - ContextReach);
    control.GetTextRange(first, pos + TagReach, text_);
    const std::optional<MarkupItem> item =
        MarkupItemAt(text_, static_cast<std::size_t>(pos - first), true);
    if (!item || !item->IsTag() || !item->closed || item->name.empty())
        return std::nullopt;
    Tag tag;
    tag.range = {first + static_cast<int>(item->start), first + static_cast<int>(item->end)};
    tag.isEnd = item->kind == MarkupItem::Kind::EndTag;
    tag.selfClosing = item->selfClosing;
    tag.name = item->name;
    return tag;
}

std::optional<TagPair> TagMatcher::FindPair(const TextControl& control, int pos) {
    std::optional<Tag> tag = TagAt(control, pos);
    if (!tag || tag->selfClosing || Rule(tag->name) == EndTag::None)
        return std::nullopt;
    name_ = std::move(tag->name);
    const std::optional<TagRange> partner =
        tag->isEnd ? FindStartTag(control, tag->range) : FindEndTag(control, tag->range);
    if (!partner)
        return std::nullopt;
    return TagPair{tag->range, *partner};
}

std::optional<TagRange> TagMatcher::FindEndTag(const TextControl& control, const TagRange& tag) {
    const int length = control.Length();
    for (int reach = FirstReach;; reach = Grow(reach)) {
        const int end = std::min(length, tag.pastEnd + reach);
        control.GetTextRange(tag.first, end, text_);
        MarkupItem partner;
        const Outcome outcome = MatchForward(name_, partner);
        if (outcome == Outcome::Found)
            return TagRange{tag.first + static_cast<int>(partner.start),
                            tag.first + static_cast<int>(partner.end)};
        if (outcome == Outcome::None || end == length || reach == SearchLimit)
            return std::nullopt;
    }
}

std::optional<TagRange> TagMatcher::FindStartTag(const TextControl& control, const TagRange& tag) {
    for (int reach = FirstReach;; reach = Grow(reach)) {
        const int first = std::max(0, tag.first - reach);
        control.GetTextRange(first, tag.pastEnd, text_);
        MarkupItem partner;
        const Outcome outcome =
            MatchBackward(name_, static_cast<std::size_t>(tag.pastEnd - first), partner);
        if (outcome == Outcome::Found)
            return TagRange{first + static_cast<int>(partner.start), first + static_cast<int>(partner.end)};
        if (outcome == Outcome::None || first == 0 || reach == SearchLimit)
            return std::nullopt;
    }
}

std::optional<TagMatcher::OpenElement> TagMatcher::InnermostOpen(const TextControl& control, int pos) {
    for (int reach = FirstReach;; reach = Grow(reach)) {
        const int first = std::max(0, pos - reach);
        control.GetTextRange(first, pos, text_);
        MarkupItem open;
        if (OpenBackward(static_cast<std::size_t>(pos - first), open) == Outcome::Found)
            return OpenElement{{first + static_cast<int>(open.start), first + static_cast<int>(open.end)},
                               std::string(open.name)};
        if (first == 0 || reach == SearchLimit)
            return std::nullopt;
    }
}

void TagMatcher::PopTo(std::string_view name) {
    const auto it = std::find_if(stack_.rbegin(), stack_.rend(),
                                 [name](const Open& o) { return ascii::EqualNoCase(o.name, name); });
    if (it != stack_.rend())
        stack_.erase(std::next(it).base(), stack_.end());
}

TagMatcher::Outcome TagMatcher::MatchForward(std::string_view name, MarkupItem& partner) {
    stack_.clear();
    const EndTag ownRule = Rule(name);
    MarkupScanner scanner(text_);
    (void)scanner.Next(); // the tag itself
    while (const std::optional<MarkupItem> item = scanner.Next()) {
        if (!item->closed)
            return Outcome::OutOfText;
        if (!item->IsTag())
            continue;
        const EndTag rule = Rule(item->name);
        if (rule == EndTag::None)
            continue;
        if (item->kind == MarkupItem::Kind::StartTag) {
            if (item->selfClosing)
                continue;
            while (!stack_.empty() && stack_.back().rule == EndTag::Optional &&
                   StartImpliesEnd(stack_.back().name, item->name))
                stack_.pop_back();
            if (stack_.empty() && ownRule == EndTag::Optional && StartImpliesEnd(name, item->name))
                return Outcome::None; // the element ends without an end tag
            stack_.push_back({item->name, rule});
            continue;
        }
        const bool openInside = std::any_of(stack_.begin(), stack_.end(), [&](const Open& o) {
            return ascii::EqualNoCase(o.name, item->name);
        });
        if (openInside) {
            PopTo(item->name);
        } else if (ascii::EqualNoCase(item->name, name)) {
            partner = *item;
            return Outcome::Found;
        } else if (ownRule == EndTag::Optional) {
            return Outcome::None; // the parent's end tag ends it
        }
        // Otherwise a stray end tag: nothing it could close is open.
    }
    return Outcome::OutOfText;
}

TagMatcher::Outcome TagMatcher::MatchBackward(std::string_view name, std::size_t before,
                                              MarkupItem& partner) {
    MarkupBackScanner scanner(text_, before);
    (void)scanner.Previous(); // the tag itself
    return UnclosedBackward(scanner, name, partner);
}

TagMatcher::Outcome TagMatcher::OpenBackward(std::size_t before, MarkupItem& open) {
    MarkupBackScanner scanner(text_, before);
    return UnclosedBackward(scanner, {}, open);
}

TagMatcher::Outcome TagMatcher::UnclosedBackward(MarkupBackScanner& scanner, std::string_view name,
                                                 MarkupItem& found) {
    stack_.clear();
    while (const std::optional<MarkupItem> item = scanner.Previous()) {
        const EndTag rule = Rule(item->name);
        if (rule == EndTag::None)
            continue;
        if (item->kind == MarkupItem::Kind::EndTag) {
            stack_.push_back({item->name, rule});
            continue;
        }
        if (item->selfClosing)
            continue;
        if (!stack_.empty()) {
            // An element left open inside (closed by the parser or a fault of the page) is
            // stepped over.
            PopTo(item->name);
            continue;
        }
        if (name.empty() || ascii::EqualNoCase(item->name, name)) {
            found = *item;
            return Outcome::Found;
        }
    }
    return Outcome::OutOfText;
}

} // namespace velto
