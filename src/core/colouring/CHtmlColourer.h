// CHtmlColourer: colours one range of a text control by HTML syntax.
#pragma once

#include "core/htmlkb/AppearanceClasses.h"
#include "core/colouring/TagClassCache.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;
class TextControl;

// Every tag, from its '<' to its '>', takes the appearance class of its element; the text
// between tags takes "Text". A colouring settles the range to colour around the requested
// one (out to the nearest tag boundaries, at most SearchLimit characters beyond it each
// way), widens it to whole tags and hands the control one run of style bytes for it.
// Styling never touches the text, the selection, the scroll position, the modified flag or
// the undo history (the TextControl promises that of SetStyles).
//
// The object keeps its buffers between colourings, so a view can keep one.
class CHtmlColourer {
public:
    static constexpr int MinStep = 48;      // the range search grows by at least this
    static constexpr int SearchLimit = 512; // and reaches at most this far beyond the range

    // What a colouring settled on, in absolute positions.
    struct Result {
        int first = 0;
        int pastEnd = 0;
        bool applied = false; // styles were handed to the control
    };

    CHtmlColourer(const HtmlKnowledgeBase& kb, ColourMode mode) : kb_(kb), mode_(mode) {}

    [[nodiscard]] ColourMode Mode() const noexcept { return mode_; }
    void SetMode(ColourMode mode) noexcept { mode_ = mode; }

    // Colours the text around [first, pastEnd). colouringNeeded forces the colouring
    // (otherwise tags mode colours only where the change can alter a tag's extent);
    // inserted says that the range holds text just inserted.
    Result ColourRange(TextControl& control, int first, int pastEnd, bool colouringNeeded,
                       bool inserted);
    // Colours the whole text in one range, forced, without a range search (the Options
    // sample, velto-tool).
    Result ColourWholeControl(TextControl& control);

    // The class a tag takes: "Unknown or Error" for a name no element has, "Disabled" for
    // an element outside the current version selection, else the element's own class.
    [[nodiscard]] AppearanceClass TagClass(std::string_view tag) const noexcept;

private:
    void Fetch(const TextControl& control, int start, int end);
    void SettleRange(const TextControl& control, int first, int pastEnd, bool inserted);
    [[nodiscard]] bool MaySplitTag() const noexcept;
    [[nodiscard]] bool FindForward(std::size_t from, std::size_t& at) const noexcept;
    [[nodiscard]] bool FindBackward(std::size_t from, std::size_t& at) const noexcept;
    void WidenToWholeTags() noexcept;
    [[nodiscard]] bool InsideTag(std::size_t at, std::size_t& opener,
                                 std::size_t& close) const noexcept;
    [[nodiscard]] bool NeedsColouring(const TextControl& control) const;
    Result Apply(TextControl& control);
    Result ApplyStylesPlain(TextControl& control);
    Result ApplyStylesTags(TextControl& control);
    [[nodiscard]] AppearanceClass CachedTagClass(std::string_view tag) noexcept;

    const HtmlKnowledgeBase& kb_;
    ColourMode mode_;

    std::string text_; // the fetched window
    int windowStart_ = 0;
    std::size_t rangeStart_ = 0; // the colour range, as offsets into text_
    std::size_t rangeEnd_ = 0;
    bool colouringNeeded_ = false;
    std::vector<std::uint8_t> styles_;
    TagClassCache classes_;
};

} // namespace velto
