// CompletionApplier: writes a chosen completion into the text, as the tag editing writes
// names and values.
#pragma once

#include "core/tagassist/TagClosing.h"

namespace velto {

class HtmlKnowledgeBase;
class TextControl;
struct CompletionContext;
struct CompletionItem;

class CompletionApplier {
public:
    explicit CompletionApplier(const HtmlKnowledgeBase& kb) : kb_(kb), closing_(kb) {}

    // Replaces the context's word (a value: the whole value) with the item and places the
    // caret. True when a list should follow at once: the value list of an attribute just
    // written, or the files of a folder just entered.
    //   Element: in the case "InsertHtmlLowerCase" asks for. A new tag gets its required
    //   attributes (caret in the first value) and its '>', then its end tag as a typed '>'
    //   would give it ("AutoCloseTags"); in a tag that exists already only the name changes.
    //   Attribute: NAME="" with the caret between the quotes, a flag attribute its bare
    //   name; only the name when an '=' follows already.
    //   Value, Colour, File: by the rules of the tag editing (an enumerated value without
    //   quotes, others in quotes); a folder keeps the caret before the closing quote.
    //   Reference: "&NAME;".
    bool Apply(TextControl& control, const CompletionContext& context, const CompletionItem& item);

private:
    bool ApplyElement(TextControl& control, const CompletionContext& context, const CompletionItem& item);
    bool ApplyAttribute(TextControl& control, const CompletionContext& context, const CompletionItem& item);
    bool ApplyValue(TextControl& control, const CompletionContext& context, const CompletionItem& item);
    void ApplyReference(TextControl& control, const CompletionContext& context, const CompletionItem& item);
    // Whether only blanks, then the end of the line, the text or another tag follow pos.
    [[nodiscard]] bool NothingFollows(const TextControl& control, int pos);

    const HtmlKnowledgeBase& kb_;
    TagClosing closing_;
    std::string text_;
};

} // namespace velto
