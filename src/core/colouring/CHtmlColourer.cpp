// CHtmlColourer: settling the colour range, and applying the styles of tags and text.
#include "core/colouring/CHtmlColourer.h"

#include "core/colouring/StyleBatch.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/ForeignVocabulary.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/TextControl.h"
#include "core/tagassist/TagSyntax.h"

#include <algorithm>
#include <cstring>

namespace velto {

namespace {

bool IsBoundary(std::string_view text, std::size_t at) noexcept {
    const char c = text[at];
    return c == '>' || (c == '<' && IsTagOpener(text, at));
}

} // namespace

CHtmlColourer::Result CHtmlColourer::ColourRange(TextControl& control, int first, int pastEnd,
                                                 bool colouringNeeded, bool inserted) {
    colouringNeeded_ = colouringNeeded;
    SettleRange(control, first, pastEnd, inserted);
    WidenToWholeTags();
    if (!colouringNeeded_)
        colouringNeeded_ = NeedsColouring(control);
    return Apply(control);
}

// The whole text needs no range search and no window: the tags are walked in the
// control's own buffer where it lends it, and the styles go over in batches, so nothing
// the size of the text is copied or allocated here.
CHtmlColourer::Result CHtmlColourer::ColourWholeControl(TextControl& control) {
    const int length = control.Length();
    std::string_view text;
    if (const std::optional<std::string_view> lent = control.LendTextRange(0, length)) {
        text = *lent;
    } else {
        Fetch(control, 0, length);
        text = text_;
    }
    StyleBatch batch(control, 0, styles_);
    constexpr auto TextStyle = static_cast<std::uint8_t>(AppearanceClass::Text);
    std::size_t pos = 0;
    if (mode_ != ColourMode::Plain) {
        classes_.Clear();
        while (const std::optional<TagSpan> tag = FindNextTag(text, pos)) {
            const std::size_t tagLength = tag->end - tag->start;
            batch.Fill(tag->start - pos, TextStyle);
            batch.Fill(tagLength, static_cast<std::uint8_t>(
                                      CachedTagClass(text.substr(tag->start, tagLength))));
            pos = tag->end;
        }
    }
    batch.Fill(text.size() - pos, TextStyle);
    // The window no longer describes the control's text.
    text_.clear();
    windowStart_ = 0;
    rangeStart_ = rangeEnd_ = 0;
    return {0, batch.Flush(), true};
}

void CHtmlColourer::Fetch(const TextControl& control, int start, int end) {
    windowStart_ = start;
    control.GetTextRange(start, end, text_);
}

// Searches outwards from the requested range for the nearest tag boundary on each side,
// fetching a window that grows by `step` each pass, never beyond SearchLimit characters.
void CHtmlColourer::SettleRange(const TextControl& control, int first, int pastEnd, bool inserted) {
    const int length = control.Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    const int step = std::max(MinStep, pastEnd - first);
    int windowStart = first;
    int windowEnd = pastEnd;
    int colourStart = first;
    int colourEnd = pastEnd;
    bool forward = true;
    bool backward = true;
    for (bool firstPass = true;; firstPass = false) {
        Fetch(control, windowStart, windowEnd);
        if (firstPass) {
            // A range that holds no boundary and does not start with a name character
            // cannot change a tag unless it was just inserted.
            if (!inserted && !MaySplitTag())
                break;
        } else {
            std::size_t at = 0;
            if (forward && FindForward(static_cast<std::size_t>(pastEnd - windowStart), at)) {
                colourEnd = windowStart + static_cast<int>(at) + (text_[at] == '>' ? 1 : 0);
                forward = false;
            }
            if (backward && first > windowStart &&
                FindBackward(static_cast<std::size_t>(first - windowStart - 1), at)) {
                colourStart = windowStart + static_cast<int>(at) + (text_[at] == '>' ? 1 : 0);
                backward = false;
            }
        }
        if (forward) {
            if (windowEnd < length && windowEnd - pastEnd < SearchLimit) {
                windowEnd = static_cast<int>(
                    std::min<long long>({static_cast<long long>(windowEnd) + step, length,
                                         static_cast<long long>(pastEnd) + SearchLimit}));
            } else {
                colourEnd = windowEnd;
                forward = false;
            }
        }
        if (backward) {
            if (windowStart > 0 && first - windowStart < SearchLimit) {
                windowStart = std::max({windowStart - step, 0, first - SearchLimit});
                continue;
            }
            colourStart = windowStart;
            backward = false;
        }
        if (!forward)
            break;
    }
    // Offsets into the last window fetched, which holds the whole colour range.
    rangeEnd_ = std::min(static_cast<std::size_t>(colourEnd - windowStart_), text_.size());
    rangeStart_ = std::min(static_cast<std::size_t>(colourStart - windowStart_), rangeEnd_);
}

bool CHtmlColourer::MaySplitTag() const noexcept {
    if (text_.empty())
        return false;
    if (IsTagNameChar(static_cast<unsigned char>(text_[0])))
        return true;
    std::size_t at = 0;
    return FindForward(0, at);
}

bool CHtmlColourer::FindForward(std::size_t from, std::size_t& at) const noexcept {
    for (std::size_t i = from; i < text_.size(); ++i)
        if (IsBoundary(text_, i)) {
            at = i;
            return true;
        }
    return false;
}

bool CHtmlColourer::FindBackward(std::size_t from, std::size_t& at) const noexcept {
    for (std::size_t i = std::min(from + 1, text_.size()); i-- > 0;)
        if (IsBoundary(text_, i)) {
            at = i;
            return true;
        }
    return false;
}

// Whether offset `at` lies inside a tag: going back from it (from the character before it
// when it is a '>') an opener comes before any '>', going forward from it (from the
// character after it when it is an opener) a '>' comes before any opener, and it is not
// itself an opener.
bool CHtmlColourer::InsideTag(std::size_t at, std::size_t& opener,
                              std::size_t& close) const noexcept {
    const std::string_view text = text_;
    if (at >= text.size() || (text[at] == '<' && IsTagOpener(text, at)))
        return false;
    bool found = false;
    for (std::size_t i = text[at] == '>' ? at : at + 1; i-- > 0;) {
        if (text[i] == '>')
            return false;
        if (text[i] == '<' && IsTagOpener(text, i)) {
            opener = i;
            found = true;
            break;
        }
    }
    if (!found)
        return false;
    for (std::size_t i = at; i < text.size(); ++i) {
        if (text[i] == '>') {
            close = i;
            return true;
        }
        if (text[i] == '<' && IsTagOpener(text, i))
            return false;
    }
    return false;
}

void CHtmlColourer::WidenToWholeTags() noexcept {
    std::size_t opener = 0;
    std::size_t close = 0;
    if (InsideTag(rangeStart_, opener, close))
        rangeStart_ = opener;
    if (InsideTag(rangeEnd_, opener, close))
        rangeEnd_ = close + 1;
}

// A change needs colouring when the colour range ends at or just after a line start, or
// when a tag boundary lies in the range.
bool CHtmlColourer::NeedsColouring(const TextControl& control) const {
    for (std::size_t i = rangeStart_; i < rangeEnd_; ++i)
        if (IsBoundary(text_, i))
            return true;
    const int end = windowStart_ + static_cast<int>(rangeEnd_);
    const int lineStart = control.LineStart(control.LineFromPosition(end));
    return lineStart == end || lineStart == end - 1;
}

CHtmlColourer::Result CHtmlColourer::Apply(TextControl& control) {
    return mode_ == ColourMode::Plain ? ApplyStylesPlain(control) : ApplyStylesTags(control);
}

CHtmlColourer::Result CHtmlColourer::ApplyStylesPlain(TextControl& control) {
    styles_.assign(rangeEnd_ - rangeStart_, static_cast<std::uint8_t>(AppearanceClass::Text));
    const int first = windowStart_ + static_cast<int>(rangeStart_);
    control.SetStyles(first, styles_);
    return {first, first + static_cast<int>(styles_.size()), true};
}

CHtmlColourer::Result CHtmlColourer::ApplyStylesTags(TextControl& control) {
    const int first = windowStart_ + static_cast<int>(rangeStart_);
    if (!colouringNeeded_)
        return {first, windowStart_ + static_cast<int>(rangeEnd_), false};
    // Text is style 0, so the buffer starts as text and only tags are written into it.
    // A tag the finder returns is coloured whole, even past the range end, so the buffer
    // may reach the end of the window.
    static_assert(static_cast<int>(AppearanceClass::Text) == 0);
    styles_.assign(text_.size() - rangeStart_, 0);
    const std::string_view text = text_;
    classes_.Clear();
    std::size_t pos = rangeStart_;
    while (pos < rangeEnd_) {
        const std::optional<TagSpan> tag = FindNextTag(text, pos);
        if (!tag)
            break;
        const std::size_t length = tag->end - tag->start;
        std::memset(styles_.data() + (tag->start - rangeStart_),
                    static_cast<int>(CachedTagClass(text.substr(tag->start, length))), length);
        pos = tag->end;
    }
    styles_.resize(std::max(pos, rangeEnd_) - rangeStart_);
    control.SetStyles(first, styles_);
    return {first, first + static_cast<int>(styles_.size()), true};
}

AppearanceClass CHtmlColourer::CachedTagClass(std::string_view tag) noexcept {
    const std::string_view name = TagElementName(tag);
    AppearanceClass c = AppearanceClass::Text;
    if (!classes_.Find(name, c)) {
        c = TagClass(tag);
        classes_.Store(name, c);
    }
    return c;
}

AppearanceClass CHtmlColourer::TagClass(std::string_view tag) const noexcept {
    const std::string_view name = TagElementName(tag);
    const HtmlMetaElement* element = kb_.FindElement(name);
    if (element == nullptr) {
        // Under HTML5 a page may define elements of its own and embed SVG and MathML,
        // whose element names are not HTML's.
        if (kb_.IsAllowed(VersionBits::Html5)) {
            if (IsCustomElementName(name))
                return AppearanceClass::StructureLayout;
            if (IsForeignElementName(name))
                return AppearanceClass::EmbedProgrammatic;
        }
        return AppearanceClass::UnknownOrError;
    }
    if (!kb_.IsAllowed(element->Versions()))
        return AppearanceClass::Disabled;
    return element->Appearance();
}

} // namespace velto
