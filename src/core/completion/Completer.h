// Completer: the names, values and references that fit a completion context, from the
// knowledge base and the version selection, in the order the list shows them.
#pragma once

#include "core/completion/CompletionContext.h"
#include "core/completion/CompletionItem.h"

#include <string>
#include <vector>

namespace velto {

class CCustomColours;
class HtmlKnowledgeBase;
class HtmlMeta;
class HtmlMetaAttBase;
class HtmlMetaElement;

// What the lists need besides the knowledge base and its settings.
struct CompletionSources {
    const CCustomColours* customColours = nullptr;
    // The document's folder with a trailing separator; empty for a document without a
    // file, which has no files beside it to offer.
    std::string documentFolder;
};

class Completer {
public:
    explicit Completer(const HtmlKnowledgeBase& kb) : kb_(kb) {}

    // The items for the context, best first; none for a context of kind None.
    //   Elements: those of the version selection (the rest greyed after them when
    //   "AdvancedAttsOnPopup" is on), beginning with the typed text first, then holding it,
    //   then holding its letters; within each, those that fit where the tag stands first.
    //   Attributes: the element's own, the common ones and its event handlers, required
    //   ones first, those in the tag already left out.
    //   Values: the enumerated values in their order, the files of a URL's folder (folders
    //   first) filtered by the attribute's kind, or the colour names and custom colours.
    //   References: the named character references the selected versions define.
    [[nodiscard]] std::vector<CompletionItem> Items(const CompletionContext& context,
                                                    const CompletionSources& sources) const;

    // The element a tag's name stands for, as the lists read it: one of the selection, or
    // any element when records outside the selection are offered.
    [[nodiscard]] const HtmlMetaElement* ElementOf(const CompletionContext& context) const;
    // The attribute a value belongs to, or none.
    [[nodiscard]] const HtmlMetaAttBase* AttributeOf(const CompletionContext& context) const;

private:
    struct Ranked;
    // Whether a record of these versions is listed, and whether greyed.
    [[nodiscard]] bool Offered(std::uint32_t versions, bool& greyed) const;
    [[nodiscard]] std::string Detail(const HtmlMeta& record) const;

    void Elements(const CompletionContext& context, std::vector<Ranked>& out) const;
    void Attributes(const CompletionContext& context, std::vector<Ranked>& out) const;
    void Values(const CompletionContext& context, const CompletionSources& sources,
                std::vector<Ranked>& out) const;
    void EnumeratedValues(const CompletionContext& context, const HtmlMetaAttBase& attribute,
                          std::vector<Ranked>& out) const;
    void Colours(const CompletionContext& context, const HtmlMetaAttBase& attribute,
                 const CompletionSources& sources, std::vector<Ranked>& out) const;
    void Files(const CompletionContext& context, const HtmlMetaAttBase& attribute,
               const CompletionSources& sources, std::vector<Ranked>& out) const;
    void References(const CompletionContext& context, std::vector<Ranked>& out) const;

    const HtmlKnowledgeBase& kb_;
};

} // namespace velto
