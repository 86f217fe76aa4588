// TagClosing: the end tag that typing ">" or "</" completes.
#include "core/tagassist/TagClosing.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/platform/TextControl.h"
#include "core/tagassist/EndTagRule.h"
#include "core/tagassist/TagSyntax.h"

#include <algorithm>

namespace velto {

std::optional<TagCompletion> TagClosing::AfterGreater(const TextControl& control, int gt,
                                                      bool closeOptional) {
    if (gt < 1 || gt >= control.Length())
        return std::nullopt;
    // The tag the '>' ends is the unclosed one the text before it stops in.
    const int first = std::max(0, gt - TagMatcher::ContextReach);
    control.GetTextRange(first, gt, text_);
    const std::optional<MarkupItem> item = MarkupItemAt(text_, text_.size(), false);
    if (!item || item->kind != MarkupItem::Kind::StartTag || item->closed || item->endsInQuote ||
        item->name.empty() || text_.back() == '/')
        return std::nullopt;
    const EndTag rule = EndTagRule(kb_, item->name);
    if (rule == EndTag::None || (rule == EndTag::Optional && !closeOptional))
        return std::nullopt;
    std::string endTag = "</" + std::string(item->name) + ">";
    control.GetTextRange(gt + 1, gt + 1 + static_cast<int>(endTag.size()), text_);
    if (ascii::EqualNoCase(text_, endTag))
        return std::nullopt;
    return TagCompletion{gt + 1, std::move(endTag), gt + 1};
}

std::optional<TagCompletion> TagClosing::AfterSlash(const TextControl& control, int slash) {
    if (slash < 1 || slash >= control.Length())
        return std::nullopt;
    control.GetTextRange(slash - 1, slash + 2, text_);
    if (text_.size() < 2 || text_[0] != '<' || text_[1] != '/')
        return std::nullopt;
    if (text_.size() > 2 && IsTagNameChar(static_cast<unsigned char>(text_[2])))
        return std::nullopt;
    if (!InText(control, slash - 1))
        return std::nullopt;
    const std::optional<TagMatcher::OpenElement> open = matcher_.InnermostOpen(control, slash - 1);
    if (!open)
        return std::nullopt;
    std::string rest = open->name + ">";
    const int caret = slash + 1 + static_cast<int>(rest.size());
    return TagCompletion{slash + 1, std::move(rest), caret};
}

bool TagClosing::InText(const TextControl& control, int pos) {
    const int first = std::max(0, pos - TagMatcher::ContextReach);
    control.GetTextRange(first, pos, text_);
    return !MarkupItemAt(text_, text_.size(), false);
}

} // namespace velto
