// HtmlKnowledgeBase: every HTML element, attribute, value and event the editor knows.
#pragma once

#include "core/htmlkb/ElementIndex.h"
#include "core/htmlkb/HtmlMetaAtt.h"
#include "core/htmlkb/HtmlMetaAttShared.h"
#include "core/htmlkb/HtmlMetaElement.h"
#include "core/htmlkb/HtmlTagEventClubs.h"

#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace velto {

class CEditorConfig;
class CHtmlConfig;

// Built once at start-up and read-only afterwards; only the set of elements allowed by
// the version selection is rebuilt when that selection changes. The application owns it
// and the two configuration objects it reads.
class HtmlKnowledgeBase {
public:
    using CustomColoursQuery = std::function<bool()>;
    using RebuildListener = std::function<void()>;

    HtmlKnowledgeBase(CHtmlConfig& htmlConfig, const CEditorConfig& editorConfig,
                      CustomColoursQuery hasCustomColours = {});
    ~HtmlKnowledgeBase();
    HtmlKnowledgeBase(const HtmlKnowledgeBase&) = delete;
    HtmlKnowledgeBase& operator=(const HtmlKnowledgeBase&) = delete;

    // The element of that name, compared without regard to case; any name that begins
    // with the comment opener "!--" finds the comment element. Never allocates.
    [[nodiscard]] const HtmlMetaElement* FindElement(std::string_view name) const noexcept;
    // The same, among the elements that the last RebuildAllowed admitted.
    [[nodiscard]] const HtmlMetaElement* FindAllowedElement(std::string_view name) const noexcept;
    // Recomputes the configuration's version masks, refilters the elements, then tells the
    // listeners (the insert menus rebuild then).
    void RebuildAllowed();
    // Whether a record of these versions belongs to the current version selection.
    [[nodiscard]] bool IsAllowed(std::uint32_t versions) const noexcept;

    // Registers a listener called at the end of every RebuildAllowed; the number it returns
    // takes it off again.
    int AddRebuildListener(RebuildListener listener);
    void RemoveRebuildListener(int id);

    // The elements in creation order, and those admitted by the last rebuild.
    [[nodiscard]] const std::vector<std::unique_ptr<HtmlMetaElement>>& Elements() const noexcept {
        return elements_;
    }
    [[nodiscard]] std::vector<const HtmlMetaElement*> AllowedElements() const;
    [[nodiscard]] std::span<const HtmlMetaAttShared* const> SharedAttributes() const noexcept {
        return sharedView_;
    }
    [[nodiscard]] const HtmlTagEventClubs& EventClubs() const noexcept { return clubs_; }

    [[nodiscard]] const CHtmlConfig& HtmlConfig() const noexcept { return html_; }
    [[nodiscard]] const CEditorConfig& EditorConfig() const noexcept { return editor_; }
    [[nodiscard]] bool HasCustomColours() const;

    // The next record serial number; records made later (such as the temporary attribute
    // of an event handler) take theirs from here too.
    std::uint32_t NextSerial() noexcept { return serial_++; }
    // The temporary attribute through which the user types an event handler: named after
    // the event, of the script handler kind, belonging to no element and to no version.
    [[nodiscard]] std::unique_ptr<HtmlMetaAtt> MakeEventAttribute(const HtmlTagEvent& event);

private:
    friend class KbBuilder;

    [[nodiscard]] std::uint32_t FindPosition(std::string_view name) const noexcept;

    CHtmlConfig& html_;
    const CEditorConfig& editor_;
    CustomColoursQuery hasCustomColours_;
    std::uint32_t serial_ = 0;

    HtmlTagEventClubs clubs_;
    std::vector<std::unique_ptr<HtmlMetaElement>> elements_;
    std::vector<std::unique_ptr<HtmlMetaAttShared>> shared_;
    std::vector<const HtmlMetaAttShared*> sharedView_;

    ElementIndex index_;
    std::uint32_t comment_ = ElementIndex::None;
    std::vector<std::uint8_t> allowed_; // by element position, as of the last rebuild

    std::vector<std::pair<int, RebuildListener>> listeners_;
    int nextListenerId_ = 1;
};

} // namespace velto
