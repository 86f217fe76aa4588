// HtmlElementEd: the tag being edited, found around the caret, with its attribute text
// operations and the write-back into the editor's text.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;
class HtmlMetaAttBase;
class HtmlMetaElement;
class TextControl;

// What the tag popup remembers of a tag while its menu is open.
struct TagContext {
    std::string tagText;
    int first = 0;
    int pastEnd = 0;
    std::string elementName;
};

class HtmlElementEd {
public:
    // How many characters around the caret the tag is looked for in: half on each side.
    static constexpr int CaretWindow = 4096;

    HtmlElementEd(const HtmlKnowledgeBase& kb, TextControl& control) noexcept;
    HtmlElementEd(const HtmlElementEd&) = delete;
    HtmlElementEd& operator=(const HtmlElementEd&) = delete;

    // The text from window / 2 characters before the caret to window / 2 characters after
    // it, cut at the ends of the document; start is where it begins in the document.
    struct TextAround {
        std::string text;
        int start = 0;
    };
    [[nodiscard]] TextAround ReadAroundCaret(int caret, int window) const;

    // Finds the tag under the caret, or at the character after the selection's start when
    // there is a selection (a selection that is not exactly that tag is taken as the tag
    // text itself), and looks up its element among the allowed ones. False when there is
    // no tag there; the tag held before is then forgotten.
    bool FindTagAtCaret();

    [[nodiscard]] const HtmlKnowledgeBase& KnowledgeBase() const noexcept { return kb_; }
    [[nodiscard]] TextControl& Control() const noexcept { return control_; }

    // ---- The tag held ----
    [[nodiscard]] bool HasTag() const noexcept { return hasTag_; }
    [[nodiscard]] const std::string& TagText() const noexcept { return tagText_; }
    // Its range in the document, from its '<' to past its '>'.
    [[nodiscard]] int First() const noexcept { return first_; }
    [[nodiscard]] int PastEnd() const noexcept { return pastEnd_; }
    // The name written after the '<' (and '/'), at most 72 name characters.
    [[nodiscard]] const std::string& ElementName() const noexcept { return elementName_; }
    [[nodiscard]] bool IsEndTag() const noexcept { return endTag_; }
    // The element of that name under the version selection, or none: the tag is unknown.
    [[nodiscard]] const HtmlMetaElement* Element() const noexcept { return element_; }
    [[nodiscard]] bool IsKnown() const noexcept { return element_ != nullptr; }

    // The attribute's value in the tag held; false when the tag does not have it.
    bool GetAttributeValue(std::string_view name, std::string& value) const;
    // Sets (or, with set false, removes) the attribute in the tag held.
    void SetAttribute(const HtmlMetaAttBase& attribute, std::string_view value, bool set);
    // Removes a flag attribute that the tag has, and adds it (bare) when it has not.
    void ToggleFlag(const HtmlMetaAttBase& attribute);
    // Replaces the tag's range in the document with the tag text held, and selects the
    // new tag so that the next request works on it. False when no tag is held.
    bool WriteBack();

    // ---- Tag contexts, collected by the popup menu while it is open ----
    void AddContext(TagContext context) { contexts_.push_back(std::move(context)); }
    [[nodiscard]] const std::vector<TagContext>& Contexts() const noexcept { return contexts_; }
    void Cleanup() noexcept { contexts_.clear(); }

    // ---- Attribute text operations on any tag text ----
    // Whether the tag text holds the attribute outside quotes (the element name after the
    // '<' is not an attribute). before gets the text up to the name; namePart (the name,
    // the '=' and the opening quote), value and after (the rest, without the closing
    // quote) are filled only when all three are asked for.
    static bool FindAttributeText(std::string_view name, std::string_view tagText,
                                  std::string* before = nullptr, std::string* namePart = nullptr,
                                  std::string* value = nullptr, std::string* after = nullptr);
    // The tag text with the attribute set to value (set true) or removed (set false).
    [[nodiscard]] static std::string SetAttributeText(const HtmlMetaAttBase& attribute,
                                                      std::string_view tagText,
                                                      std::string_view value, bool set);
    // What follows an attribute's name when it is set to value: nothing for a flag or an
    // empty optional value, else '=' and the value, in quotes unless it is enumerated and
    // can stand without them.
    [[nodiscard]] static std::string ValueTextFor(const HtmlMetaAttBase& attribute,
                                                  std::string_view value);
    // The element name of a tag text: a leading '<' and one '/' skipped, then at most 72
    // name characters.
    [[nodiscard]] static std::string_view NameOfTag(std::string_view tagText) noexcept;

private:
    struct Found {
        int first = 0;
        int pastEnd = 0;
    };
    [[nodiscard]] bool FindTagAt(int caret, Found& found) const;
    void Hold(std::string tagText, int first, int pastEnd);
    void Forget() noexcept;

    const HtmlKnowledgeBase& kb_;
    TextControl& control_;

    bool hasTag_ = false;
    std::string tagText_;
    int first_ = 0;
    int pastEnd_ = 0;
    std::string elementName_;
    bool endTag_ = false;
    const HtmlMetaElement* element_ = nullptr;
    std::vector<TagContext> contexts_;
};

} // namespace velto
